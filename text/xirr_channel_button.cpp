#include "text/xirr_channel_button.h"

#include <wx/event.h>

#include "draw/button_fonts.h"
#include "draw/themes.h"
#include "text/xirr_channel_looks.h"
#include "text/xirr_channel_model.h"
#include "text/xirr_channel_mouse.h"
#include "text/xirr_channel_paging_button.h"
#include "text/xirr_channel_window.h"

xirr_channel_button::xirr_channel_button(wxWindow *parent, xirr_channel_window *owner)
    : xirr_button(parent, wxID_ANY), owner_(owner),
      page_button_(new xirr_channel_paging_button(this, owner))
{
    SetName("channel tab");
    bind_channel_mouse(this, &xirr_channel_button::on_mouse);
    apply_look();
}

void xirr_channel_button::set_new_text(bool on)
{
    new_text_ = on;
    apply_look();
}

void xirr_channel_button::set_current(bool on)
{
    current_ = on;
    apply_look();
}

int xirr_channel_button::look() const
{
    if (current_)
        return tab_look_current;
    return new_text_ ? tab_look_new_text : tab_look_plain;
}

void xirr_channel_button::apply_look()
{
    int l = look();
    if (get_button_state() != l)
        set_button_state(l);
    if (page_button_->get_button_state() != l)
        page_button_->set_button_state(l);
}

void xirr_channel_button::relayout(bool recreated)
{
    int w, h;
    image_size(&w, &h);
    page_button_->place(w - h + 2, 3, h - 3, h - 3);
    xirr_button::relayout(recreated);
}

int xirr_channel_button::label_width() const
{
    int w, h;
    image_size(&w, &h);
    return page_button_->IsShown() ? w - h + 2 : w;
}

void xirr_channel_button::rebuild_images()
{
    int w, h;
    image_size(&w, &h);
    button_image_set images;
    build_channel_tab_images(w, h, label, label_width(), current_button_theme(),
                             button_label_font(), images);
    set_pressed_image(images.pressed);
    set_pressed_hover_image(images.pressed_hover);
    set_normal_image(images.normal);
    set_hover_image(images.hover);
    set_disabled_image(images.disabled);
    page_button_->rebuild_images();
}

void xirr_channel_button::on_mouse(wxMouseEvent &event)
{
    if (event.GetEventType() != wxEVT_LEFT_DOWN)
        return;
    if (button_click_sound_hook)
        button_click_sound_hook();
    if (owner_)
        owner_->on_tab_press(this);
}
