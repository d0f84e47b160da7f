#ifndef SKIFF_APP_PANEL_LAYOUT_H
#define SKIFF_APP_PANEL_LAYOUT_H

// Where the main frame puts its panels, as a pure function of the client
// size, the settings and the panels' own sizes, so the arithmetic can be
// checked without a display.  Any thread (no state).

struct panel_rect {
    bool placed = false;  // false: the panel is not placed (left where it was)
    int x = 0;
    int y = 0;
    int width = 1;
    int height = 1;
};

struct panel_layout_input {
    int width = 0;   // client size
    int height = 0;
    int current_layout = 0;  // 0 Embedded, 1 Left Top, 2 Left Bottom

    bool direction_buttons = false;
    bool hint_buttons = false;
    bool fkey_bar = false;
    bool popup_buttons = false;
    bool status_bar = false;
    int input_height = 48;

    bool hpbar = false;
    bool exp_display = false;
    bool enemy_hpbar = false;

    // The group display is on and g is the height it needs.
    bool group_display = false;
    int group_height = 0;
    // The automap is docked and shown, with its size.
    bool automap_docked_shown = false;
    int automap_width = 0;
    int automap_height = 0;

    // Logged in and the channel window is enabled; its height in percent.
    bool channel_window = false;
    int channel_window_height = 25;
};

struct panel_layout {
    int left = 0;   // the text column
    int right = 0;
    panel_rect direction_buttons;
    panel_rect hint_buttons;
    panel_rect automap;         // side column only (layouts 1 and 2)
    panel_rect group_display;   // side column only (layouts 1 and 2)
    panel_rect fkey_bar;
    panel_rect popup_buttons;
    panel_rect status_bar;
    panel_rect input;
    panel_rect status_display;
    panel_rect channel_window;
    panel_rect main_output;
};

// The direction pad's size and the bottom bar's height.
const int direction_pad_width = 97;
const int direction_pad_height = 130;
const int bottom_bar_height = 46;
const int fkey_bar_width = 8 * 46 - 10;
const int status_bar_height = 21;
const int side_column_width = 160;

panel_layout compute_panel_layout(const panel_layout_input &in);

// The status display's height for its three show flags: 42 with both the hp
// bars and the enemy bar, 21 with any one, 0 (not placed) with none.
int status_display_height(bool hpbar, bool exp_display, bool enemy_hpbar);

// Where the logo (lw x lh) and its caption (tw x th) go in a client area of
// w x h, and the clickable rectangle around both.
struct logo_placement {
    int logo_x, logo_y;
    int caption_x, caption_y;
    int rect_x, rect_y, rect_width, rect_height;
};
logo_placement place_logo(int current_layout, int w, int h, int lw, int lh, int tw, int th);

#endif
