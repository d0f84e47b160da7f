#ifndef SKIFF_DRAW_THEMES_H
#define SKIFF_DRAW_THEMES_H

#include "draw/rgb_color.h"

// The colour themes of the whole client.  Nine button themes (26 colours
// used by every drawn button and by the automap and group frames) and nine
// background themes (three colours of the main frame's background), built
// once and kept for the whole run; two pointers name the active ones.
// GUI thread only.

// Roles of the 26 button theme colours.  After the two panel frames come
// eight sets of (edge or frame, face, label).
enum button_theme_role {
    theme_automap_frame = 0,
    theme_group_frame = 1,
    theme_lit_edge = 2, theme_lit_face, theme_lit_label,
    theme_lit_hover_frame, theme_lit_hover_face, theme_lit_hover_label,
    theme_unlit_edge, theme_unlit_face, theme_unlit_label,
    theme_unlit_hover_frame, theme_unlit_hover_face, theme_unlit_hover_label,
    theme_pressed_frame, theme_pressed_face, theme_pressed_label,
    theme_toggled_edge, theme_toggled_face, theme_toggled_label,
    theme_toggled_hover_frame, theme_toggled_hover_face, theme_toggled_hover_label,
    theme_disabled_edge, theme_disabled_face, theme_disabled_label,
    button_theme_colors = 26
};

struct button_theme {
    rgb_color colors[button_theme_colors];
    const rgb_color &operator[](int role) const { return colors[role]; }
};

// c0 bright, c1 middle, c2 dark.
struct background_theme {
    rgb_color c0, c1, c2;
};

// Theme tables are kept in this order.
enum theme_index {
    theme_red, theme_brown, theme_yellow, theme_ygreen, theme_green,
    theme_cyan, theme_blue, theme_purple, theme_grey, theme_count
};

// Option values of current_theme and current_background_theme.
enum {
    theme_value_yellow = 0, theme_value_blue = 1, theme_value_red = 2,
    theme_value_brown = 40, theme_value_ygreen = 50, theme_value_green = 60,
    theme_value_cyan = 70, theme_value_purple = 80, theme_value_grey = 90
};

// Null until build_theme_tables; never freed.
extern const button_theme *button_themes[theme_count];
extern const background_theme *background_themes[theme_count];

// Null until the first switch; every drawing reads them at drawing time.
extern const button_theme *active_button_theme;
extern const background_theme *active_background_theme;

// Builds the nine themes of each kind (once; later calls change nothing).
void build_theme_tables();

// Points the active theme at the one of the option value (0 when no
// character configuration is loaded); any unknown value gives Blue.
void switch_button_theme(int option_value);
void switch_background_theme(int option_value);
// The same with current_theme or current_background_theme of the current
// character configuration (0 when none is loaded).
void switch_button_theme();
void switch_background_theme();

// The table index of an option value (Blue for unknown values).
int theme_index_of_value(int option_value);

// The menu label of an option value ("Yellow", "Blue", ...), or null when
// the value has no menu item.
const char *theme_label_of_value(int option_value);

// The theme to draw with: the active one, or Blue before the first switch.
const button_theme &current_button_theme();

#endif
