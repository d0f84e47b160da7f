#include "text/xirr_channel_paging_button.h"

#include <wx/event.h>

#include "draw/themes.h"
#include "text/xirr_channel_looks.h"
#include "text/xirr_channel_mouse.h"
#include "text/xirr_channel_window.h"

xirr_channel_paging_button::xirr_channel_paging_button(wxWindow *parent,
                                                       xirr_channel_window *window)
    : xirr_button(parent, wxID_ANY), window_(window)
{
    SetName("channel page button");
    bind_channel_mouse(this, &xirr_channel_paging_button::on_mouse);
}

void xirr_channel_paging_button::rebuild_images()
{
    int w, h;
    image_size(&w, &h);
    button_image_set images;
    build_channel_page_images(w, h, current_button_theme(), images);
    set_pressed_image(images.pressed);
    set_pressed_hover_image(images.pressed_hover);
    set_normal_image(images.normal);
    set_hover_image(images.hover);
    set_disabled_image(images.disabled);
}

void xirr_channel_paging_button::on_mouse(wxMouseEvent &event)
{
    if (event.GetEventType() != wxEVT_LEFT_DOWN)
        return;
    if (button_click_sound_hook)
        button_click_sound_hook();
    if (window_)
        window_->on_page_button_press(this);
}
