#ifndef SKIFF_TEXT_XIRR_CHANNEL_MOUSE_H
#define SKIFF_TEXT_XIRR_CHANNEL_MOUSE_H

#include <wx/event.h>

// Channel tabs and page squares keep their look in the button state, so the
// image button's own mouse handling (which presses, releases and ignores
// "disabled" buttons) must never see their mouse events: the handler bound
// here takes every one of them and does not pass them on.  Dynamic handlers
// bound later run first, so this must be bound in the derived constructor.
template <typename Button>
void bind_channel_mouse(Button *button, void (Button::*handler)(wxMouseEvent &))
{
    const wxEventTypeTag<wxMouseEvent> types[] = {
        wxEVT_LEFT_DOWN,   wxEVT_LEFT_UP,     wxEVT_LEFT_DCLICK,   wxEVT_MIDDLE_DOWN,
        wxEVT_MIDDLE_UP,   wxEVT_MIDDLE_DCLICK, wxEVT_RIGHT_DOWN,  wxEVT_RIGHT_UP,
        wxEVT_RIGHT_DCLICK, wxEVT_AUX1_DOWN,  wxEVT_AUX1_UP,       wxEVT_AUX1_DCLICK,
        wxEVT_AUX2_DOWN,   wxEVT_AUX2_UP,     wxEVT_AUX2_DCLICK,   wxEVT_MOTION,
        wxEVT_ENTER_WINDOW, wxEVT_LEAVE_WINDOW, wxEVT_MOUSEWHEEL};
    for (const auto &type : types)
        button->Bind(type, handler, button);
}

#endif
