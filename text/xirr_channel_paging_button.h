#ifndef SKIFF_TEXT_XIRR_CHANNEL_PAGING_BUTTON_H
#define SKIFF_TEXT_XIRR_CHANNEL_PAGING_BUTTON_H

#include <wx/event.h>

#include "draw/xirr_button.h"

class xirr_channel_window;
struct xirr_channel_entry;

// The small square that moves a channel's tab to the other page (inside
// each tab, owned by the tab's channel) or, as the channel window's own page
// button (no owner), shows the other page.  Its look (0 current, 1 new text,
// 2 plain) is kept in the button state.  A left press goes to the channel
// window; the button's own mouse state machine is not used, so the look
// changes only when the window sets it.  GUI thread only.
class xirr_channel_paging_button : public xirr_button {
public:
    xirr_channel_paging_button(wxWindow *parent, xirr_channel_window *window);

    // The channel this square belongs to; null for the window's own button.
    xirr_channel_entry *owner = nullptr;

    // Draws the three looks at the current size.
    void rebuild_images() override;

private:
    void on_mouse(wxMouseEvent &event);

    xirr_channel_window *window_;
};

#endif
