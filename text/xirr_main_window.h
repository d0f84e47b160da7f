#ifndef SKIFF_TEXT_XIRR_MAIN_WINDOW_H
#define SKIFF_TEXT_XIRR_MAIN_WINDOW_H

#include <wx/window.h>

#include "text/xirr_ansi_display.h"
#include "text/xirr_main_window_core.h"

// The main output: the game's text, with the docked automap and the group
// display in the top right corner of its text area while the main frame
// has made them children of its text view, and a watch on every completed
// line for the server's request to rebuild the maps.  GUI thread only.
class xirr_main_window : public xirr_ansi_display {
public:
    xirr_main_window(wxWindow *parent, wxWindowID id);

    // Any of them may be null.
    void set_group_display(xirr_corner_group_display *group) { group_ = group; }
    void set_docked_automap(xirr_docked_automap *automap) { automap_ = automap; }
    void set_host(xirr_main_window_host *host) { host_ = host; }

    // Shows the scrollbar as the option mw_scrollbar_enable says (laying the
    // panel out again when that changes it, when show_scrollbar switched it
    // since the last layout, or when the surface is new), then places the
    // docked automap and the group display in the corner.
    void relayout(bool recreated) override;
    void on_line(const char *text) override;

private:
    void place_corner_panels();
    // Places the automap; returns how far the corner's top moves down.
    int place_automap(const main_window_corner &corner);
    void place_group_display(const main_window_corner &corner, int top);

    xirr_corner_group_display *group_ = nullptr;
    xirr_docked_automap *automap_ = nullptr;
    xirr_main_window_host *host_ = nullptr;
    bool in_relayout_ = false;
};

#endif
