#ifndef SKIFF_TEXT_XIRR_CHANNEL_DISPLAY_H
#define SKIFF_TEXT_XIRR_CHANNEL_DISPLAY_H

#include <wx/window.h>

#include "text/xirr_ansi_display.h"

class xirr_channel_button;

// The text output of one channel.  Its frame opens under its tab, so the
// tab above reads as part of the display.  GUI thread only.
class xirr_channel_display : public xirr_ansi_display {
public:
    xirr_channel_display(wxWindow *parent, xirr_channel_button *tab);

    xirr_channel_button *get_tab() const { return tab_; }

    // Black panel, the frame of every text output, then the gap under the
    // tab while the tab is shown.
    void repaint_internal(xirr_bitmap &surface) override;

private:
    xirr_channel_button *tab_;
};

#endif
