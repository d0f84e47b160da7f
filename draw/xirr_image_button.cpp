#include "draw/xirr_image_button.h"

#include <wx/event.h>
#include <wx/window.h>

#include "draw/button_images.h"

namespace {

button_mouse_event translate(const wxMouseEvent &e, bool *known)
{
    using ev = button_mouse_event;
    *known = true;
    wxEventType t = e.GetEventType();
    if (t == wxEVT_LEFT_DOWN) return ev::left_down;
    if (t == wxEVT_LEFT_UP) return ev::left_up;
    if (t == wxEVT_LEFT_DCLICK) return ev::left_dclick;
    if (t == wxEVT_MIDDLE_DOWN) return ev::middle_down;
    if (t == wxEVT_MIDDLE_UP) return ev::middle_up;
    if (t == wxEVT_MIDDLE_DCLICK) return ev::middle_dclick;
    if (t == wxEVT_RIGHT_DOWN) return ev::right_down;
    if (t == wxEVT_RIGHT_UP) return ev::right_up;
    if (t == wxEVT_RIGHT_DCLICK) return ev::right_dclick;
    if (t == wxEVT_AUX1_DOWN) return ev::aux1_down;
    if (t == wxEVT_AUX1_UP) return ev::aux1_up;
    if (t == wxEVT_AUX1_DCLICK) return ev::aux1_dclick;
    if (t == wxEVT_AUX2_DOWN) return ev::aux2_down;
    if (t == wxEVT_AUX2_UP) return ev::aux2_up;
    if (t == wxEVT_AUX2_DCLICK) return ev::aux2_dclick;
    if (t == wxEVT_ENTER_WINDOW) return ev::enter;
    if (t == wxEVT_LEAVE_WINDOW) return ev::leave;
    if (t == wxEVT_MOTION) return ev::motion;
    if (t == wxEVT_MOUSEWHEEL) return ev::wheel;
    *known = false;
    return ev::motion;
}

} // namespace

xirr_image_button::xirr_image_button(wxWindow *parent, wxWindowID id)
    : xirr_embedded_window(parent, id, "image button")
{
    Bind(wxEVT_LEFT_DOWN, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_LEFT_UP, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_LEFT_DCLICK, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_MIDDLE_DOWN, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_MIDDLE_UP, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_MIDDLE_DCLICK, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_RIGHT_DOWN, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_RIGHT_UP, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_RIGHT_DCLICK, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_AUX1_DOWN, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_AUX1_UP, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_AUX1_DCLICK, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_AUX2_DOWN, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_AUX2_UP, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_AUX2_DCLICK, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_MOTION, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_ENTER_WINDOW, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_LEAVE_WINDOW, &xirr_image_button::on_mouse, this);
    Bind(wxEVT_MOUSEWHEEL, &xirr_image_button::on_mouse, this);
}

void xirr_image_button::on_mouse(wxMouseEvent &event)
{
    bool known = false;
    button_mouse_event e = translate(event, &known);
    if (!known)
        return;
    button_mouse_result r = model.state.handle_mouse(e);
    if (r.click)
        queue_click();
    if (r.repaint)
        Refresh(false);
}

void xirr_image_button::queue_click()
{
    // Queued, not processed: the click is handled after the mouse handler
    // has returned, so a handler may destroy or reshape this button.
    wxCommandEvent click(wxEVT_BUTTON, 0);
    click.SetEventObject(this);
    GetEventHandler()->QueueEvent(click.Clone());
    if (button_click_sound_hook)
        button_click_sound_hook();
}

void xirr_image_button::set_normal_image(const xirr_bitmap &b)
{
    model.set_normal_image(b);
    Refresh(false);
}

void xirr_image_button::set_hover_image(const xirr_bitmap &b)
{
    model.set_hover_image(b);
    Refresh(false);
}

void xirr_image_button::set_pressed_image(const xirr_bitmap &b)
{
    model.set_pressed_image(b);
    Refresh(false);
}

void xirr_image_button::set_pressed_hover_image(const xirr_bitmap &b)
{
    model.set_pressed_hover_image(b);
    Refresh(false);
}

void xirr_image_button::set_disabled_image(const xirr_bitmap &b)
{
    model.set_disabled_image(b);
    Refresh(false);
}

void xirr_image_button::set_button_state(int state)
{
    model.state.set_button_state(state);
    Refresh(false);
}

void xirr_image_button::set_enabled(bool flag)
{
    model.state.hover = 0;
    set_button_state(flag ? button_normal : button_disabled);
}

void xirr_image_button::flash_button()
{
    flash_ticker.start();
    start_animation();
    if (flash_ticker.take_change())
        redraw_now();
}

bool xirr_image_button::Show(bool show)
{
    model.state.hover = 0;
    return xirr_embedded_window::Show(show);
}

bool xirr_image_button::animation_callback(int elapsed_ms)
{
    flash_ticker.advance(elapsed_ms);
    if (flash_ticker.take_change())
        redraw_now();
    return flash_ticker.steps_left() > 0;
}

void xirr_image_button::repaint_internal(xirr_bitmap &surface)
{
    model.compose(surface, flash_ticker.steps_left());
}

void xirr_image_button::paint_face(xirr_bitmap &surface, const rgb_color &face, int style)
{
    ::paint_face(surface, face, style);
}

int xirr_image_button::fitting_count(const xirr_glyph_font &font, const char *text, int width)
{
    return ::fitting_count(font, text, width);
}

void xirr_image_button::image_size(int *width, int *height) const
{
    wxSize size = GetClientSize();
    *width = size.GetWidth() > 0 ? size.GetWidth() : 1;
    *height = size.GetHeight() > 0 ? size.GetHeight() : 1;
}
