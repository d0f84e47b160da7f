#ifndef SKIFF_CONFIG_CHAR_CONFIG_H
#define SKIFF_CONFIG_CHAR_CONFIG_H

#include <string>
#include <vector>

#include "config/char_options.h"

// Where a server popup window was last seen.  columns and rows are the
// popup manager's requested size; they live only in memory.
struct popup_window_position {
    static const int name_capacity = 100;  // at most 99 characters

    char name[name_capacity] = {0};
    int x = 48;
    int y = 48;
    int columns = 0;
    int rows = 0;
    int width = 0;  // 0: no size remembered
    int height = 0;

    // Copies at most 99 characters of the name (null gives the empty name).
    void set_name(const char *text);
};

// The client options of one game character.  An empty name is the blank
// configuration used until a character logs in.
struct char_config {
    std::string name;
    std::string font;  // native font description of the text font
    int font_size = 0;
    std::string button_font;
    int button_font_size = 0;
    int options[char_option_count];
    // In list order: the front is the most recently added entry.
    std::vector<popup_window_position> popup_windows;

    char_config();

    int get(char_option option) const { return options[static_cast<int>(option)]; }
    void put(char_option option, int value) { options[static_cast<int>(option)] = value; }

    // Every option back to its default; name, fonts and popups stay.
    void reset_options();
    // Forces loaded values into their ranges (font_size outside 2..150
    // becomes 10); called after a record was read from a file.
    void apply_load_checks();

    // First entry of that exact name, or null.
    popup_window_position *find_popup(const char *popup_name);
    const popup_window_position *find_popup(const char *popup_name) const;
};

#endif
