#ifndef SKIFF_INPUT_BUTTON_BAR_LAYOUT_H
#define SKIFF_INPUT_BUTTON_BAR_LAYOUT_H

// Geometry and fixed tables of the three button bars, without any window.

struct bar_rect {
    int x, y, width, height;
};

// One button of the direction pad; x and y are relative to the pad.
struct direction_button_entry {
    const char *label;
    const char *command;
    int exit_bit;  // 0: always lit (the out button)
    bar_rect place;
};

enum { direction_button_count = 11, direction_out_button = 4 };
extern const direction_button_entry direction_buttons_table[direction_button_count];

enum { hint_button_count = 12, hint_button_width = 97, hint_button_height = 26 };

// Places the present buttons of the hint column from (x, y): a 16-pixel gap
// before each run of present buttons, 33 pixels from one button to the next.
// places[i] is set only where present[i].
void hint_column_layout(const bool present[hint_button_count], int x, int y,
                        bar_rect places[hint_button_count]);

enum { fkey_button_count = 8 };

// The square of function-key button i (0 to 7) in a bar at (x, y) that is
// bar_height high.
bar_rect fkey_button_rect(int i, int x, int y, int bar_height);

#endif
