#include "input/button_bar_layout.h"

const direction_button_entry direction_buttons_table[direction_button_count] = {
    {"NW", "nwest", 0x080, {0, 33, 31, 31}},
    {"N", "north", 0x001, {33, 33, 31, 31}},
    {"NE", "neast", 0x002, {66, 33, 31, 31}},
    {"W", "west", 0x040, {0, 66, 31, 31}},
    {"Out", "out", 0, {33, 66, 31, 31}},
    {"E", "east", 0x004, {66, 66, 31, 31}},
    {"SW", "swest", 0x020, {0, 99, 31, 31}},
    {"S", "south", 0x010, {33, 99, 31, 31}},
    {"SE", "seast", 0x008, {66, 99, 31, 31}},
    {"Up", "up", 0x100, {49, 0, 48, 31}},
    {"Down", "down", 0x200, {0, 0, 48, 31}},
};

void hint_column_layout(const bool present[hint_button_count], int x, int y,
                        bar_rect places[hint_button_count])
{
    bool previous_present = false;
    for (int i = 0; i < hint_button_count; i++) {
        if (!present[i]) {
            previous_present = false;
            continue;
        }
        if (!previous_present)
            y += 16;
        places[i] = bar_rect{x, y, hint_button_width, hint_button_height};
        y += 33;
        previous_present = true;
    }
}

bar_rect fkey_button_rect(int i, int x, int y, int bar_height)
{
    int s = bar_height - 5;
    if (s < 1)
        s = 1;
    return bar_rect{x + 3 + i * (s + 3), y + 3, s, s};
}
