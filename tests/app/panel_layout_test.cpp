#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "app/background_pattern.h"
#include "app/panel_layout.h"
#include "draw/rgb_color.h"
#include "draw/xirr_bitmap.h"

static void expect_rect(const panel_rect &r, int x, int y, int w, int h, const char *what)
{
    EXPECT_TRUE(r.placed) << what;
    EXPECT_EQ(r.x, x) << what;
    EXPECT_EQ(r.y, y) << what;
    EXPECT_EQ(r.width, w) << what;
    EXPECT_EQ(r.height, h) << what;
}

static panel_layout_input plain_frame(int layout)
{
    panel_layout_input in;
    in.width = 976;
    in.height = 700;
    in.current_layout = layout;
    in.input_height = 48;
    return in;
}

TEST(panel_layout, hint_column_starts_below_the_direction_pad_only_when_it_is_shown)
{
    panel_layout_input in = plain_frame(0);
    in.hint_buttons = true;
    in.direction_buttons = true;
    panel_layout both = compute_panel_layout(in);
    EXPECT_EQ(both.right, 976 - 101);
    expect_rect(both.direction_buttons, 877, 2, 97, 130, "pad");
    expect_rect(both.hint_buttons, 877, 134, 97, 700 - 134, "hints under pad");

    in.direction_buttons = false;
    panel_layout hints = compute_panel_layout(in);
    EXPECT_FALSE(hints.direction_buttons.placed);
    expect_rect(hints.hint_buttons, 877, 2, 97, 698, "hints alone");

    in.hint_buttons = false;
    panel_layout none = compute_panel_layout(in);
    EXPECT_EQ(none.right, 976);
    expect_rect(none.main_output, 0, 0, 976, 700 - 48, "main output fills the frame");
}

TEST(panel_layout, side_column_in_left_top_and_left_bottom)
{
    panel_layout_input in = plain_frame(1);
    in.group_display = true;
    in.group_height = 80;
    panel_layout top = compute_panel_layout(in);
    EXPECT_EQ(top.left, 164);
    expect_rect(top.group_display, 2, 2, 160, 80, "group in left top");
    expect_rect(top.input, 164, 700 - 48, 976 - 164, 48, "input right of the column");

    // A docked, shown automap sets the column's width and goes above the group.
    in.automap_docked_shown = true;
    in.automap_width = 200;
    in.automap_height = 150;
    panel_layout map_top = compute_panel_layout(in);
    EXPECT_EQ(map_top.left, 204);
    expect_rect(map_top.automap, 2, 2, 200, 150, "automap left top");
    expect_rect(map_top.group_display, 2, 162, 200, 80, "group under automap");

    in.current_layout = 2;
    panel_layout map_bottom = compute_panel_layout(in);
    expect_rect(map_bottom.automap, 2, 700 - 2 - 150, 200, 150, "automap left bottom");
    expect_rect(map_bottom.group_display, 2, 548 - 10 - 80, 200, 80, "group over automap");

    // Without an automap the bottom bar lifts the group display.
    in.automap_docked_shown = false;
    in.fkey_bar = true;
    panel_layout bar_bottom = compute_panel_layout(in);
    expect_rect(bar_bottom.group_display, 2, 700 - 46 - 2 - 80, 160, 80, "group over the bar");
    expect_rect(bar_bottom.fkey_bar, 164, 654, 358, 46, "fkey bar starts at the text column");

    // Embedded keeps both inside the main output.
    in.current_layout = 0;
    panel_layout embedded = compute_panel_layout(in);
    EXPECT_EQ(embedded.left, 0);
    EXPECT_FALSE(embedded.group_display.placed);
}

TEST(panel_layout, bottom_stack_and_status_display_heights)
{
    struct row {
        bool hp, exp, enemy;
        int height;
    } rows[] = {
        {true, false, true, 42}, {true, true, true, 42}, {false, true, false, 21},
        {true, false, false, 21}, {false, false, true, 21}, {false, false, false, 0},
    };
    for (const row &r : rows) {
        panel_layout_input in = plain_frame(0);
        in.hpbar = r.hp;
        in.exp_display = r.exp;
        in.enemy_hpbar = r.enemy;
        in.status_bar = true;
        in.fkey_bar = true;
        in.popup_buttons = true;
        panel_layout out = compute_panel_layout(in);
        expect_rect(out.fkey_bar, 0, 654, 358, 46, "fkey");
        expect_rect(out.popup_buttons, 358, 654, 976 - 358, 46, "popup buttons");
        expect_rect(out.status_bar, 0, 633, 976, 21, "status bar");
        expect_rect(out.input, 0, 585, 976, 48, "input");
        EXPECT_EQ(out.status_display.placed, r.height > 0);
        if (r.height > 0)
            expect_rect(out.status_display, 0, 585 - r.height, 976, r.height, "status display");
        expect_rect(out.main_output, 0, 0, 976, 585 - r.height, "main output");
    }
}

TEST(panel_layout, channel_window_takes_its_percent_of_the_text_height)
{
    panel_layout_input in = plain_frame(0);
    in.channel_window = true;
    in.channel_window_height = 25;
    panel_layout out = compute_panel_layout(in);
    int text = 700 - 48;
    expect_rect(out.channel_window, 0, 0, 976, text * 25 / 100, "channel");
    expect_rect(out.main_output, 0, text * 25 / 100, 976, text - text * 25 / 100, "main under channel");

    in.channel_window = false;
    EXPECT_FALSE(compute_panel_layout(in).channel_window.placed);
}

TEST(panel_layout, tiny_client_area_keeps_every_panel_at_least_one_pixel)
{
    panel_layout_input in = plain_frame(1);
    in.width = 50;
    in.height = 30;
    in.group_display = true;
    in.group_height = 40;
    in.hint_buttons = true;
    in.channel_window = true;
    panel_layout out = compute_panel_layout(in);
    EXPECT_EQ(out.right, out.left + 1);
    for (const panel_rect *r : {&out.input, &out.main_output, &out.channel_window, &out.hint_buttons}) {
        EXPECT_GE(r->width, 1);
        EXPECT_GE(r->height, 1);
    }
}

TEST(panel_layout, logo_goes_where_each_layout_leaves_room)
{
    // Logo 192 x 43, caption 120 x 14, client 976 x 700.
    logo_placement bottom = place_logo(2, 976, 700, 192, 43, 120, 14);
    EXPECT_EQ(bottom.logo_x, 0);
    EXPECT_EQ(bottom.logo_y, 0);
    EXPECT_EQ(bottom.caption_x, 96 - 60);
    EXPECT_EQ(bottom.caption_y, 38);
    EXPECT_EQ(bottom.rect_x, 0);
    EXPECT_EQ(bottom.rect_y, 0);
    EXPECT_EQ(bottom.rect_width, 192);
    EXPECT_EQ(bottom.rect_height, 52);

    logo_placement top = place_logo(1, 976, 700, 192, 43, 120, 14);
    EXPECT_EQ(top.logo_y, 700 - 43 - 14 + 10);
    EXPECT_EQ(top.caption_y, 686);
    EXPECT_EQ(top.rect_y, 700 - 52);

    logo_placement embedded = place_logo(0, 976, 700, 192, 43, 250, 14);
    EXPECT_EQ(embedded.rect_width, 250);
    EXPECT_EQ(embedded.logo_x, 976 - 125 - 96);
    EXPECT_EQ(embedded.caption_x, 976 - 125 - 125);
    EXPECT_EQ(embedded.rect_x, 976 - 250);
}

TEST(background_pattern, surface_only_grows_in_steps_of_256)
{
    background_record rec;
    int w = 0, h = 0;
    ASSERT_TRUE(background_needs_rebuild(rec, 700, 500, 3, 2, false, &w, &h));
    EXPECT_EQ(w, 768);
    EXPECT_EQ(h, 512);
    rec = {true, w, h, 3, 2};

    EXPECT_FALSE(background_needs_rebuild(rec, 600, 400, 3, 2, false, &w, &h)) << "shrinking keeps it";
    EXPECT_FALSE(background_needs_rebuild(rec, 768, 512, 3, 2, false, &w, &h));

    ASSERT_TRUE(background_needs_rebuild(rec, 800, 520, 3, 2, false, &w, &h));
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    rec = {true, w, h, 3, 2};

    ASSERT_TRUE(background_needs_rebuild(rec, 800, 520, 4, 2, false, &w, &h)) << "style change";
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 1024);
    rec = {true, w, h, 4, 2};

    EXPECT_TRUE(background_needs_rebuild(rec, 800, 520, 4, 5, false, &w, &h)) << "theme change";
    EXPECT_TRUE(background_needs_rebuild(rec, 10, 10, 4, 2, true, &w, &h)) << "forced";
    EXPECT_EQ(w, 1536);
}

TEST(background_pattern, every_style_repeats_exactly_and_uses_only_its_colours)
{
    const rgb_color c0(250, 200, 100), c1(120, 90, 40), c2(30, 20, 10);
    struct row {
        int style;
        std::vector<rgb_color> allowed;
    } rows[] = {
        {0, {color_black}},         {1, {c2}},
        {2, {color_black, c1}},     {3, {color_black, c0, c1}},
        {4, {color_black, c0, c1, c2}}, {5, {color_black, c0, c1}},
        {77, {color_black, c0, c1}},
    };
    for (const row &r : rows) {
        xirr_bitmap a(256, 256), b(256, 256);
        draw_background_pattern(a, r.style, c0, c1, c2);
        draw_background_pattern(b, r.style, c0, c1, c2);
        std::set<std::tuple<int, int, int>> seen;
        for (int y = 0; y < 256; y++)
            for (int x = 0; x < 256; x++) {
                rgb_color p = a.GetPixel(x, y);
                ASSERT_EQ(p, b.GetPixel(x, y)) << r.style;
                seen.insert({p.red, p.green, p.blue});
            }
        EXPECT_EQ(seen.size(), r.allowed.size()) << "style " << r.style;
        for (const rgb_color &c : r.allowed)
            EXPECT_TRUE(seen.count({c.red, c.green, c.blue})) << "style " << r.style;
    }
}
