#include "draw/themes.h"

#include "config/skiff_config.h"
#include "support/debug_log.h"

namespace {

// Columns in theme_index order: Red, Brown, Yellow, YGreen, Green, Cyan,
// Blue, Purple, Grey.
const unsigned char button_theme_data[button_theme_colors][theme_count][3] = {
    // 0 automap display frame
    {{192, 0, 0}, {160, 96, 64}, {192, 192, 0}, {144, 192, 0}, {0, 192, 0}, {48, 144, 192}, {48, 48, 192}, {192, 96, 192}, {192, 192, 192}},
    // 1 group display frame and separator
    {{192, 0, 0}, {160, 96, 64}, {192, 192, 0}, {144, 192, 0}, {0, 192, 0}, {48, 144, 192}, {48, 48, 192}, {192, 96, 192}, {192, 192, 192}},
    // 2 lit: edge (spare)
    {{255, 192, 0}, {160, 96, 64}, {255, 255, 0}, {192, 255, 0}, {128, 255, 128}, {64, 192, 255}, {64, 64, 255}, {255, 192, 255}, {192, 192, 192}},
    // 3 lit: face
    {{80, 0, 0}, {80, 48, 32}, {96, 96, 96}, {72, 96, 0}, {0, 80, 0}, {0, 64, 80}, {0, 0, 80}, {80, 0, 80}, {80, 80, 80}},
    // 4 lit: label
    {{255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 0}, {255, 255, 255}, {255, 255, 255}},
    // 5 lit hover: frame
    {{96, 96, 96}, {96, 96, 96}, {192, 192, 0}, {144, 192, 0}, {48, 96, 48}, {48, 144, 192}, {48, 48, 192}, {96, 48, 96}, {128, 128, 128}},
    // 6 lit hover: face
    {{64, 0, 0}, {64, 48, 32}, {64, 64, 64}, {48, 64, 0}, {0, 64, 0}, {0, 48, 64}, {0, 0, 64}, {64, 0, 64}, {64, 64, 64}},
    // 7 lit hover: label
    {{255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 0}, {255, 255, 255}, {255, 255, 255}},
    // 8 unlit: edge (spare)
    {{128, 96, 0}, {128, 96, 64}, {192, 192, 0}, {144, 192, 0}, {0, 128, 0}, {32, 96, 128}, {32, 32, 128}, {128, 64, 128}, {96, 96, 96}},
    // 9 unlit: face
    {{48, 0, 0}, {48, 32, 16}, {48, 48, 48}, {32, 48, 0}, {0, 48, 0}, {0, 32, 48}, {0, 0, 48}, {48, 0, 48}, {48, 48, 48}},
    // 10 unlit: label
    {{255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 0}, {255, 255, 255}, {255, 255, 255}},
    // 11 unlit hover: frame
    {{128, 128, 128}, {128, 128, 128}, {255, 255, 0}, {192, 255, 0}, {64, 128, 64}, {64, 192, 255}, {64, 64, 255}, {128, 64, 128}, {128, 128, 128}},
    // 12 unlit hover: face
    {{64, 0, 0}, {64, 48, 32}, {64, 64, 64}, {48, 64, 0}, {0, 64, 0}, {0, 48, 64}, {0, 0, 64}, {64, 0, 64}, {64, 64, 64}},
    // 13 unlit hover: label
    {{255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 0}, {255, 255, 255}, {255, 255, 255}},
    // 14 pressed: frame
    {{64, 64, 64}, {64, 64, 64}, {128, 128, 0}, {96, 128, 0}, {32, 64, 32}, {0, 96, 128}, {0, 0, 128}, {64, 32, 64}, {64, 64, 64}},
    // 15 pressed: face
    {{48, 0, 0}, {48, 32, 16}, {48, 48, 48}, {32, 48, 0}, {0, 48, 0}, {0, 32, 48}, {0, 0, 48}, {48, 0, 48}, {32, 32, 32}},
    // 16 pressed: label
    {{192, 192, 192}, {192, 192, 192}, {192, 192, 192}, {192, 192, 192}, {192, 192, 192}, {192, 192, 192}, {192, 192, 192}, {192, 192, 192}, {192, 192, 192}},
    // 17 toggled: edge (spare)
    {{128, 128, 128}, {128, 128, 128}, {255, 255, 0}, {192, 255, 0}, {64, 128, 64}, {0, 192, 255}, {0, 0, 255}, {128, 64, 128}, {128, 128, 128}},
    // 18 toggled: face
    {{48, 0, 0}, {48, 32, 16}, {48, 48, 48}, {32, 48, 0}, {0, 48, 0}, {0, 32, 48}, {0, 0, 48}, {48, 0, 48}, {48, 48, 48}},
    // 19 toggled: label
    {{255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 0}, {255, 255, 255}, {255, 255, 255}},
    // 20 toggled hover: frame
    {{96, 96, 96}, {96, 96, 96}, {192, 192, 0}, {144, 192, 0}, {48, 96, 48}, {0, 144, 192}, {0, 0, 192}, {96, 48, 96}, {96, 96, 96}},
    // 21 toggled hover: face
    {{32, 0, 0}, {32, 24, 16}, {32, 32, 32}, {16, 32, 0}, {0, 32, 0}, {0, 24, 32}, {0, 0, 32}, {32, 0, 32}, {32, 32, 32}},
    // 22 toggled hover: label
    {{255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {255, 255, 0}, {255, 255, 255}, {255, 255, 255}},
    // 23 disabled: edge (spare)
    {{48, 48, 48}, {48, 48, 48}, {96, 96, 48}, {72, 96, 48}, {24, 48, 24}, {24, 72, 96}, {24, 24, 96}, {48, 24, 48}, {64, 64, 64}},
    // 24 disabled: face
    {{32, 0, 0}, {32, 24, 16}, {32, 32, 32}, {16, 32, 0}, {0, 32, 0}, {0, 24, 32}, {0, 0, 32}, {32, 0, 32}, {32, 32, 32}},
    // 25 disabled: label
    {{96, 96, 96}, {96, 96, 96}, {96, 96, 96}, {96, 96, 96}, {96, 96, 96}, {96, 96, 96}, {96, 96, 96}, {96, 96, 96}, {96, 96, 96}},
};

// c0, c1, c2 per theme, in theme_index order.
const unsigned char background_theme_data[theme_count][3][3] = {
    {{80, 0, 0}, {56, 0, 0}, {32, 0, 0}},        // Red
    {{80, 32, 16}, {56, 24, 16}, {32, 16, 8}},   // Brown
    {{80, 80, 0}, {56, 56, 0}, {32, 32, 0}},     // Yellow
    {{48, 80, 0}, {32, 56, 0}, {16, 32, 0}},     // YGreen
    {{0, 80, 0}, {0, 48, 0}, {0, 32, 0}},        // Green
    {{0, 56, 80}, {0, 40, 64}, {0, 24, 48}},     // Cyan
    {{0, 0, 96}, {0, 0, 64}, {0, 0, 32}},        // Blue
    {{80, 0, 80}, {56, 0, 56}, {32, 0, 32}},     // Purple
    {{64, 64, 64}, {32, 32, 32}, {16, 16, 16}},  // Grey
};

struct theme_value_entry {
    int value;
    int index;
    const char *label;
};

// Menu order of the values.
const theme_value_entry theme_values[theme_count] = {
    {theme_value_yellow, theme_yellow, "Yellow"}, {theme_value_blue, theme_blue, "Blue"},
    {theme_value_red, theme_red, "Red"},          {theme_value_brown, theme_brown, "Brown"},
    {theme_value_ygreen, theme_ygreen, "YGreen"}, {theme_value_green, theme_green, "Green"},
    {theme_value_cyan, theme_cyan, "Cyan"},       {theme_value_purple, theme_purple, "Purple"},
    {theme_value_grey, theme_grey, "Grey"},
};

button_theme button_theme_store[theme_count];
background_theme background_theme_store[theme_count];

rgb_color color_of(const unsigned char *c)
{
    return rgb_color(c[0], c[1], c[2]);
}

} // namespace

const button_theme *button_themes[theme_count];
const background_theme *background_themes[theme_count];
const button_theme *active_button_theme = nullptr;
const background_theme *active_background_theme = nullptr;

void build_theme_tables()
{
    for (int t = 0; t < theme_count; t++) {
        for (int role = 0; role < button_theme_colors; role++)
            button_theme_store[t].colors[role] = color_of(button_theme_data[role][t]);
        button_themes[t] = &button_theme_store[t];
    }
    for (int t = 0; t < theme_count; t++) {
        background_theme &b = background_theme_store[t];
        b.c0 = color_of(background_theme_data[t][0]);
        b.c1 = color_of(background_theme_data[t][1]);
        b.c2 = color_of(background_theme_data[t][2]);
        background_themes[t] = &b;
    }
}

int theme_index_of_value(int option_value)
{
    for (const theme_value_entry &e : theme_values)
        if (e.value == option_value)
            return e.index;
    return theme_blue;
}

const char *theme_label_of_value(int option_value)
{
    for (const theme_value_entry &e : theme_values)
        if (e.value == option_value)
            return e.label;
    return nullptr;
}

void switch_button_theme(int option_value)
{
    active_button_theme = nullptr;
    const button_theme *picked = button_themes[theme_index_of_value(option_value)];
    if (!picked) {
        if (debug_level > 1)
            debug_log("Error in switch_button_theme() - null theme for index %d.\n", option_value);
        // Before the tables exist the Blue fallback would be null as well.
        build_theme_tables();
        picked = button_themes[theme_blue];
    }
    active_button_theme = picked;
}

void switch_background_theme(int option_value)
{
    active_background_theme = nullptr;
    const background_theme *picked = background_themes[theme_index_of_value(option_value)];
    if (!picked) {
        if (debug_level > 1)
            debug_log("Error in switch_background_theme() - null theme for index %d.\n", option_value);
        build_theme_tables();
        picked = background_themes[theme_blue];
    }
    active_background_theme = picked;
}

static int current_option(char_option option)
{
    const char_config *cfg = SkiffConfig::instance().current_char_cfg;
    return cfg ? cfg->get(option) : 0;
}

void switch_button_theme()
{
    switch_button_theme(current_option(char_option::current_theme));
}

void switch_background_theme()
{
    switch_background_theme(current_option(char_option::current_background_theme));
}

const button_theme &current_button_theme()
{
    if (!active_button_theme)
        switch_button_theme(theme_value_blue);
    return *active_button_theme;
}
