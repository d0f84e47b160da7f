#include <gtest/gtest.h>

#include <string>

#include "draw/themes.h"
#include "draw/xirr_bitmap.h"
#include "tests/common/surface_text.h"
#include "tests/common/test_font.h"
#include "text/xirr_channel_looks.h"
#include "text/xirr_channel_model.h"

namespace {

const button_theme &blue()
{
    build_theme_tables();
    return *button_themes[theme_blue];
}

// Whether any pixel of the area has colour c.
bool has_color(const xirr_bitmap &s, const rgb_color &c, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            if (s.GetPixel(x, y) == c)
                return true;
    return false;
}

// The frame of an ANSI display over W x H on a black panel.
void draw_display_frame(xirr_bitmap &s, int W, int H, const rgb_color &inner,
                        const rgb_color &outer)
{
    s.Clear(color_black);
    s.DrawLine(1, 1, W - 1, 1, inner);
    s.DrawLine(1, 1, 1, H - 1, inner);
    s.DrawLine(1, H - 2, W - 1, H - 2, inner);
    s.DrawLine(W - 2, 1, W - 2, H - 1, inner);
    s.DrawLine(0, 0, W, 0, outer);
    s.DrawLine(0, 0, 0, H, outer);
    s.DrawLine(0, H - 1, W, H - 1, outer);
    s.DrawLine(W - 1, 0, W - 1, H, outer);
}

} // namespace

TEST(channel_tab_looks, edges_left_right_and_top_but_not_bottom)
{
    test_font font;
    const button_theme &t = blue();
    struct row {
        int look;
        rgb_color face, label, edge;
    } rows[] = {
        {tab_look_current, t[theme_lit_face], t[theme_lit_label], color_white},
        {tab_look_new_text, t[theme_unlit_face], color_red, color_grey128},
        {tab_look_plain, t[theme_disabled_face], color_grey192, color_grey128},
    };
    for (const row &r : rows) {
        xirr_bitmap s(40, 14);
        draw_channel_tab(s, r.look, "AB", 28, t, font);
        for (int y = 0; y < 14; y++)
            for (int x : {0, 1, 38, 39})
                EXPECT_EQ(s.GetPixel(x, y), r.edge) << r.look << " at " << x << "," << y;
        for (int x = 0; x < 40; x++)
            EXPECT_EQ(s.GetPixel(x, 0), r.edge) << r.look << " top " << x;
        for (int x = 2; x < 38; x++)
            EXPECT_EQ(s.GetPixel(x, 13), r.face) << r.look << " bottom " << x;
        // Two 6-pixel cells centred in the 28 label pixels: x 8 to 19 (full
        // ink blends to 255/256 of the label colour).
        rgb_color ink(r.label.red * 255 >> 8, r.label.green * 255 >> 8, r.label.blue * 255 >> 8);
        EXPECT_TRUE(has_color(s, ink, 8, 2, 19, 11)) << r.look;
        EXPECT_FALSE(has_color(s, ink, 20, 1, 37, 12)) << r.look;
        EXPECT_FALSE(has_color(s, ink, 2, 1, 7, 12)) << r.look;
    }
}

TEST(channel_tab_looks, image_slots_hold_the_looks_by_button_state)
{
    test_font font;
    const button_theme &t = blue();
    button_image_set set;
    build_channel_tab_images(30, 14, "x", 20, t, font, set);
    EXPECT_EQ(set.normal.GetPixel(5, 0), color_white);
    EXPECT_EQ(set.hover.GetPixel(5, 0), color_white);
    EXPECT_EQ(set.pressed.GetPixel(5, 0), color_grey128);
    EXPECT_EQ(set.pressed_hover.GetPixel(5, 5), t[theme_unlit_face]);
    EXPECT_EQ(set.disabled.GetPixel(5, 5), t[theme_disabled_face]);
}

TEST(channel_page_square, diagonals_by_look_inside_a_frame)
{
    const button_theme &t = blue();
    button_image_set set;
    build_channel_page_images(11, 11, t, set);
    // Inside the frame (x and y 1 to 9).
    const char *down =
        ".........\n"
        ".#.......\n"
        "..#......\n"
        "...#.....\n"
        "....#....\n"
        ".....#...\n"
        "......#..\n"
        ".......#.\n"
        ".........\n";
    const char *up =
        ".........\n"
        ".......#.\n"
        "......#..\n"
        ".....#...\n"
        "....#....\n"
        "...#.....\n"
        "..#......\n"
        ".#.......\n"
        ".........\n";
    EXPECT_EQ(surface_mask(set.normal, color_white, 1, 1, 9, 9), down);
    EXPECT_EQ(surface_mask(set.pressed, color_grey192, 1, 1, 9, 9), up);
    EXPECT_EQ(surface_mask(set.disabled, color_grey192, 1, 1, 9, 9), up);
    EXPECT_EQ(set.normal.GetPixel(5, 0), color_white);    // the frame
    EXPECT_EQ(set.pressed.GetPixel(5, 0), color_grey128);
    EXPECT_EQ(set.normal.GetPixel(2, 8), t[theme_lit_face]);
    EXPECT_EQ(set.pressed.GetPixel(2, 2), t[theme_unlit_face]);
    EXPECT_EQ(set.disabled.GetPixel(2, 2), t[theme_disabled_face]);
}

TEST(channel_display_frame, top_edge_opens_under_the_tab)
{
    const rgb_color inner = color_grey128, outer = color_white;
    xirr_bitmap s(30, 8);
    draw_display_frame(s, 30, 8, inner, outer);
    cut_channel_frame_gap(s, 30, 8, 5, 10);
    // Inner line (1,1)-(6,1) and (14,1)-(29,1), the outer side at 29.
    EXPECT_EQ(surface_mask(s, inner, 0, 1, 30, 1), ".######.......###############.\n");
    // Outer line (0,0)-(7,0) and (13,0)-(30,0).
    EXPECT_EQ(surface_mask(s, outer, 0, 0, 30, 1), "########.....#################\n");
    EXPECT_EQ(s.GetPixel(0, 1), outer);
    EXPECT_EQ(s.GetPixel(29, 1), outer);
    // The rest of the frame is untouched.
    EXPECT_EQ(s.GetPixel(10, 6), inner);
    EXPECT_EQ(s.GetPixel(10, 7), outer);
    EXPECT_EQ(s.GetPixel(10, 2), color_black);
}

TEST(channel_display_frame, keeps_the_lock_colours_and_survives_odd_tabs)
{
    const rgb_color inner(192, 0, 0), outer(255, 0, 0);
    xirr_bitmap s(20, 6);
    draw_display_frame(s, 20, 6, inner, outer);
    cut_channel_frame_gap(s, 20, 6, 1, 8);
    EXPECT_EQ(surface_mask(s, inner, 0, 1, 20, 1), ".##.....###########.\n");
    EXPECT_EQ(surface_mask(s, outer, 0, 0, 20, 1), "####...#############\n");
    // Tabs reaching past the display, or of no width, stay inside the surface.
    for (int t : {-5, 0, 15, 19, 40})
        for (int b : {0, 1, 3, 30}) {
            draw_display_frame(s, 20, 6, inner, outer);
            cut_channel_frame_gap(s, 20, 6, t, b);
            EXPECT_EQ(s.GetPixel(0, 0), outer);
            EXPECT_EQ(s.GetPixel(19, 1), outer);
        }
    xirr_bitmap tiny(3, 3);
    tiny.Clear(color_black);
    cut_channel_frame_gap(tiny, 3, 3, 0, 2);
}
