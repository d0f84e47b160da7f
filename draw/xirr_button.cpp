#include "draw/xirr_button.h"

#include <wx/window.h>

#include <cstring>

#include "draw/button_fonts.h"
#include "draw/button_images.h"
#include "draw/themes.h"

xirr_button::xirr_button(wxWindow *parent, wxWindowID id) : xirr_image_button(parent, id)
{
    label[0] = 0;
    // A button shown before its first label or size still shows a face.
    rebuild_images();
}

void xirr_button::set_label(const char *text)
{
    if (!text)
        text = "";
    size_t n = strnlen(text, max_label);
    std::memcpy(label, text, n);
    label[n] = 0;
    rebuild_images();
}

void xirr_button::set_lit(bool flag)
{
    lit = flag ? 1 : 0;
    rebuild_images();
}

void xirr_button::relayout(bool recreated)
{
    if (recreated)
        rebuild_images();
}

void xirr_button::rebuild_images()
{
    int w, h;
    image_size(&w, &h);
    button_look look;
    look.label = label;
    look.lit = lit != 0;
    look.toggle_mode = get_toggle_mode() != 0;
    button_image_set images;
    build_button_images(w, h, look, current_button_theme(), button_label_font(), images);
    set_pressed_image(images.pressed);
    set_pressed_hover_image(images.pressed_hover);
    set_normal_image(images.normal);
    set_hover_image(images.hover);
    set_disabled_image(images.disabled);
}
