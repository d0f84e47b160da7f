#include "input/xirr_fkey_button.h"

#include <wx/event.h>

#include <cstdio>
#include <cstring>

#include "app/frame_services.h"
#include "draw/button_fonts.h"
#include "draw/button_images.h"
#include "draw/themes.h"
#include "input/button_bar_services.h"
#include "input/caption_break.h"
#include "input/xirr_command_button.h"

xirr_fkey_button::xirr_fkey_button(wxWindow *parent, wxWindowID id, int number)
    : xirr_image_button(parent, id), number(number)
{
    caption[0] = 0;
    std::snprintf(key_name, sizeof key_name, "f%02d", number);
    key_label.appendf("F%d", number);
    Bind(wxEVT_BUTTON, &xirr_fkey_button::on_click, this);
    set_caption(nullptr, 0);
}

void xirr_fkey_button::set_caption(const char *caption_text, int active_flag)
{
    if (!caption_text)
        caption_text = "";
    size_t n = strnlen(caption_text, max_caption);
    std::memcpy(caption, caption_text, n);
    caption[n] = 0;
    active = active_flag;
    break_lines();
    rebuild_images();
}

void xirr_fkey_button::set_active(int active_flag)
{
    active = active_flag;
    rebuild_images();
}

void xirr_fkey_button::relayout(bool recreated)
{
    break_lines();
    rebuild_images();
}

void xirr_fkey_button::break_lines()
{
    int w, h;
    image_size(&w, &h);
    break_caption(button_label_font(), caption, w, first_line, second_line);
}

void xirr_fkey_button::rebuild_images()
{
    int w, h;
    image_size(&w, &h);
    fkey_look look;
    look.key_label = key_label.c_str();
    look.first_line = first_line.c_str();
    look.second_line = second_line.c_str();
    look.active = active != 0;
    button_image_set images;
    build_fkey_images(w, h, look, current_button_theme(), button_key_font(), button_label_font(),
                      images);
    set_pressed_image(images.pressed);
    set_pressed_hover_image(images.pressed_hover);
    set_normal_image(images.normal);
    set_hover_image(images.hover);
    set_disabled_image(images.disabled);
}

void xirr_fkey_button::on_click(wxCommandEvent &event)
{
    // The server decides what the key does; caption and active flag play
    // no part in what is sent.
    if (the_button_bar_services && the_button_bar_services->login_state() == 2 &&
        the_frame_services)
        the_frame_services->process_command_line(key_name, false);
    finish_button_click();
}
