#include "text/xirr_ansi_scrollbar.h"

#include <wx/event.h>

#include "draw/xirr_focus_hand_off.h"

xirr_ansi_scrollbar::xirr_ansi_scrollbar(wxWindow *parent)
    : wxScrollBar(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL,
                  wxDefaultValidator, "scrollBar")
{
    Bind(wxEVT_SET_FOCUS, &xirr_ansi_scrollbar::on_set_focus, this);
}

void xirr_ansi_scrollbar::on_set_focus(wxFocusEvent &event)
{
    if (!the_focus_hand_off || !the_focus_hand_off->transfer_focus_main(this))
        event.Skip();
}
