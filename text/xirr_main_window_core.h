#ifndef SKIFF_TEXT_XIRR_MAIN_WINDOW_CORE_H
#define SKIFF_TEXT_XIRR_MAIN_WINDOW_CORE_H

class frame_services;
class xirr_embedded_window;

// What the main output needs of the docked automap panel.  The automap
// implements it; the main output keeps a pointer that may be null.
class xirr_docked_automap {
public:
    virtual ~xirr_docked_automap() = default;
    // The panel window (docked in the main output while its parent is the
    // main output's text view).
    virtual xirr_embedded_window *automap_panel() = 0;
    // The odd map scale the map size commands set.
    virtual int automap_scale() const = 0;
};

// What the main output needs of the group display.
class xirr_corner_group_display {
public:
    virtual ~xirr_corner_group_display() = default;
    virtual xirr_embedded_window *group_panel() = 0;
    // How many members the display lists.
    virtual int group_member_count() const = 0;
    // The height the display needs for its rows.
    virtual int group_needed_height() const = 0;
};

// What the main output needs of the main frame beyond frame_services.
class xirr_main_window_host {
public:
    virtual ~xirr_main_window_host() = default;
    // 0 not logged in, 1 creating a character, 2 logged in, 3 logging off.
    virtual int login_state() const = 0;
};

// The top-right corner of the main output's text area (width x height of
// the view's client area) where the docked automap and the group display
// sit.  Without an automap the margin is 10 and the corner W / 5 wide and
// empty; with one the margin is twice the map scale and the corner takes
// the automap's size.
struct main_window_corner {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
main_window_corner corner_of_text_area(int view_width, int view_height);
main_window_corner corner_with_automap(int view_width, int map_scale, int automap_width,
                                       int automap_height);

// The server line that asks the client to rebuild its maps.
extern const char *const rebuild_maps_pattern;

// The line hook of the main output: on the rebuild line sends "aset remap"
// and the notice to the players, each through process_command_line with
// echo on.  Returns true when the line matched.  services may be null (the
// line is then only recognised).  Main thread only.
bool main_window_line_hook(const char *line, frame_services *services);

#endif
