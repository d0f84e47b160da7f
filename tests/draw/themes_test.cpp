#include <gtest/gtest.h>

#include <cstring>

#include "config/skiff_config.h"
#include "draw/themes.h"
#include "support/debug_log.h"

TEST(themes, option_values_pick_their_themes_and_unknown_values_pick_blue)
{
    build_theme_tables();
    struct row {
        int value;
        int index;
        const char *label;
    } rows[] = {
        {0, theme_yellow, "Yellow"}, {1, theme_blue, "Blue"},     {2, theme_red, "Red"},
        {40, theme_brown, "Brown"},  {50, theme_ygreen, "YGreen"}, {60, theme_green, "Green"},
        {70, theme_cyan, "Cyan"},    {80, theme_purple, "Purple"}, {90, theme_grey, "Grey"},
        {3, theme_blue, nullptr},    {99, theme_blue, nullptr},    {-1, theme_blue, nullptr},
    };
    for (const row &r : rows) {
        switch_button_theme(r.value);
        switch_background_theme(r.value);
        EXPECT_EQ(active_button_theme, button_themes[r.index]) << r.value;
        EXPECT_EQ(active_background_theme, background_themes[r.index]) << r.value;
        const char *label = theme_label_of_value(r.value);
        if (r.label)
            EXPECT_STREQ(label, r.label);
        else
            EXPECT_EQ(label, nullptr);
    }
}

TEST(themes, tables_hold_the_tabled_colours)
{
    build_theme_tables();
    // Spot checks across roles and columns, including the odd ones out.
    struct row {
        int theme;
        int role;
        rgb_color c;
    } rows[] = {
        {theme_red, theme_automap_frame, {192, 0, 0}},
        {theme_red, theme_lit_face, {80, 0, 0}},
        {theme_blue, theme_lit_label, {255, 255, 0}},
        {theme_blue, theme_unlit_hover_frame, {64, 64, 255}},
        {theme_grey, theme_pressed_face, {32, 32, 32}},
        {theme_cyan, theme_toggled_edge, {0, 192, 255}},
        {theme_ygreen, theme_disabled_edge, {72, 96, 48}},
        {theme_brown, theme_lit_edge, {160, 96, 64}},
        {theme_purple, theme_toggled_hover_face, {32, 0, 32}},
        {theme_yellow, theme_disabled_label, {96, 96, 96}},
        {theme_green, theme_lit_hover_frame, {48, 96, 48}},
    };
    for (const row &r : rows)
        EXPECT_EQ((*button_themes[r.theme])[r.role], r.c) << r.theme << " " << r.role;
    EXPECT_EQ(background_themes[theme_brown]->c0, rgb_color(80, 32, 16));
    EXPECT_EQ(background_themes[theme_blue]->c0, rgb_color(0, 0, 96));
    EXPECT_EQ(background_themes[theme_green]->c1, rgb_color(0, 48, 0));
    EXPECT_EQ(background_themes[theme_grey]->c2, rgb_color(16, 16, 16));
}

TEST(themes, switching_reads_the_current_character_options)
{
    build_theme_tables();
    SkiffConfig &config = SkiffConfig::instance();
    char_config *saved = config.current_char_cfg;
    config.current_char_cfg = nullptr;
    switch_background_theme();
    switch_button_theme();
    EXPECT_EQ(active_button_theme, button_themes[theme_yellow]);
    EXPECT_EQ(active_background_theme, background_themes[theme_yellow]);
    char_config cfg;
    cfg.put(char_option::current_theme, 80);
    cfg.put(char_option::current_background_theme, 3);
    config.current_char_cfg = &cfg;
    switch_background_theme();
    switch_button_theme();
    EXPECT_EQ(active_button_theme, button_themes[theme_purple]);
    EXPECT_EQ(active_background_theme, background_themes[theme_blue]);
    config.current_char_cfg = saved;
}
