#include "text/xirr_textctrl.h"

#include <wx/event.h>
#include <wx/font.h>

#include "draw/xirr_font.h"
#include "text/xirr_text_hooks.h"

namespace {

// Used only until start-up has made the program's main font, and by tests
// that build views alone.  Lives for the whole run, like the shared fonts.
const xirr_glyph_font *fallback_font()
{
    static xirr_font *font =
        new xirr_font(10, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    return font;
}

xirr_mouse_event::kind_t event_kind(const wxMouseEvent &e)
{
    if (e.LeftDown())
        return xirr_mouse_event::left_down;
    if (e.LeftUp())
        return xirr_mouse_event::left_up;
    if (e.GetEventType() == wxEVT_MOTION)
        return xirr_mouse_event::motion;
    if (e.GetEventType() == wxEVT_MOUSEWHEEL)
        return xirr_mouse_event::wheel;
    return xirr_mouse_event::other;
}

} // namespace

xirr_textctrl::xirr_textctrl(wxWindow *parent, wxWindowID id, const wxPoint &pos,
                             const wxSize &size, long style)
    : xirr_embedded_window(parent, id, "xirr_textctrl", pos, size, style)
{
    Bind(wxEVT_LEFT_DOWN, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_LEFT_UP, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_LEFT_DCLICK, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_MIDDLE_DOWN, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_MIDDLE_UP, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_MIDDLE_DCLICK, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_RIGHT_DOWN, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_RIGHT_UP, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_RIGHT_DCLICK, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_MOTION, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_ENTER_WINDOW, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_LEAVE_WINDOW, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_MOUSEWHEEL, &xirr_textctrl::mouse_event_handler, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &xirr_textctrl::on_mouse_capture_lost, this);
    hand_off_focus();
    set_font(the_main_text_font ? the_main_text_font : fallback_font());
}

xirr_textctrl::~xirr_textctrl()
{
    if (HasCapture())
        ReleaseMouse();
}

void xirr_textctrl::relayout(bool recreated)
{
    wxSize size = GetClientSize();
    set_view_size(size.GetWidth(), size.GetHeight());
    redraw_now();
}

bool xirr_textctrl::animation_callback(int elapsed_ms)
{
    return animate(elapsed_ms);
}

void xirr_textctrl::repaint_internal(xirr_bitmap &surface)
{
    paint(surface);
}

void xirr_textctrl::want_repaint()
{
    Refresh(false);
}

void xirr_textctrl::want_redraw_now()
{
    redraw_now();
}

void xirr_textctrl::want_animation()
{
    start_animation();
}

void xirr_textctrl::want_mouse_capture(bool capture)
{
    if (capture && !HasCapture())
        CaptureMouse();
    else if (!capture && HasCapture())
        ReleaseMouse();
}

void xirr_textctrl::mouse_event_handler(wxMouseEvent &event)
{
    xirr_mouse_event e;
    e.kind = event_kind(event);
    e.x = event.GetX();
    e.y = event.GetY();
    e.left_held = event.LeftIsDown();
    e.middle_held = event.MiddleIsDown();
    e.right_held = event.RightIsDown();
    if (e.kind == xirr_mouse_event::wheel && event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL) {
        e.wheel_rotation = event.GetWheelRotation();
        e.wheel_delta = event.GetWheelDelta();
    }
    handle_mouse(e);
}

void xirr_textctrl::on_mouse_capture_lost(wxMouseCaptureLostEvent &event)
{
    mouse_capture_lost();
}
