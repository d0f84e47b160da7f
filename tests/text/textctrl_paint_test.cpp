// Painted pixels of the scrollback view and the display frame, on small
// surfaces with the 6 x 10 test font: glyph colours at known cells, the
// selection and reverse backgrounds, and the frame colours of the lock.
#include <gtest/gtest.h>

#include "draw/xirr_bitmap.h"
#include "tests/common/surface_text.h"
#include "tests/text/text_fixture.h"

namespace {

// A glyph pixel of full coverage blended over anything: ink * 255 / 256.
rgb_color full_ink(const rgb_color &ink)
{
    return rgb_color(ink.red * 255 / 256, ink.green * 255 / 256, ink.blue * 255 / 256);
}

// Checks every pixel of the glyph cell of c at (x0, y0).
void expect_glyph(const xirr_bitmap &s, int c, int x0, int y0, const rgb_color &ink,
                  const rgb_color &bg)
{
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 6; x++) {
            rgb_color want = test_font_source::ink(c, x, y) ? full_ink(ink) : bg;
            ASSERT_EQ(s.GetPixel(x0 + x, y0 + y), want)
                << "glyph " << char(c) << " pixel " << x << "," << y << " is "
                << pixel_text(s, x0 + x, y0 + y);
        }
}

TEST(TextctrlPaint, BottomAnchoredRowsStandOnTheBottomEdgeInTheirColours)
{
    text_view_fixture f(60, 30);
    f.view.set_colors(rgb_color(255, 0, 0), rgb_color(0, 0, 40));
    f.view.add_text("AB\n");
    f.view.set_colors(rgb_color(0, 200, 100), rgb_color(0, 0, 40));
    f.view.add_text("CD");
    xirr_bitmap s(60, 30);
    f.view.paint(s);
    // The last row sits at y = 30 - 10 - 1, the one above 10 pixels higher;
    // rows start at x = 1.
    expect_glyph(s, 'C', 1, 19, rgb_color(0, 200, 100), rgb_color(0, 0, 40));
    expect_glyph(s, 'D', 7, 19, rgb_color(0, 200, 100), rgb_color(0, 0, 40));
    expect_glyph(s, 'A', 1, 9, rgb_color(255, 0, 0), rgb_color(0, 0, 40));
    EXPECT_EQ(s.GetPixel(0, 29), rgb_color(0, 0, 40));
    EXPECT_EQ(s.GetPixel(59, 0), rgb_color(0, 0, 40));
}

TEST(TextctrlPaint, TopAnchoredRowsHangFromTheTopEdge)
{
    text_view_fixture f(60, 30);
    f.view.set_top_anchored(1);
    f.view.add_text("AB\nCD");
    xirr_bitmap s(60, 30);
    f.view.paint(s);
    expect_glyph(s, 'A', 1, 0, rgb_color(255, 255, 255), rgb_color(0, 0, 0));
    expect_glyph(s, 'C', 1, 10, rgb_color(255, 255, 255), rgb_color(0, 0, 0));
}

TEST(TextctrlPaint, SelectedBytesSitOnTheSelectionBackground)
{
    recording_frame_services services;
    text_view_fixture f(60, 10);
    f.view.set_colors(rgb_color(255, 255, 0), rgb_color(0, 0, 0));
    f.view.add_text("WXYZ");
    // Drag from X (byte 1) to Y (byte 2); the row is at y = -1.
    xirr_mouse_event e = press_left(f.view, 8, 5);
    e.kind = xirr_mouse_event::motion;
    e.x = 14;
    f.view.handle_mouse(e);
    ASSERT_EQ(services.clipboard, "XY");
    xirr_bitmap s(60, 10);
    f.view.paint(s);
    const rgb_color yellow(255, 255, 0), grey(64, 64, 64), black(0, 0, 0);
    // Row 9 of a glyph is blank, so the bottom row of pixels shows the
    // background of each cell.
    EXPECT_EQ(s.GetPixel(3, 8), black);   // W
    EXPECT_EQ(s.GetPixel(9, 8), grey);    // X, selected
    EXPECT_EQ(s.GetPixel(15, 8), grey);   // Y, selected
    EXPECT_EQ(s.GetPixel(21, 8), black);  // Z
    for (int x = 1; x <= 4; x++) {
        int c = 'X';
        if (test_font_source::ink(c, x, 2))
            EXPECT_EQ(s.GetPixel(7 + x, 1), full_ink(yellow));
        else
            EXPECT_EQ(s.GetPixel(7 + x, 1), grey);
    }
}

TEST(TextctrlPaint, ReverseTurnsTheWholeViewBackgroundGrey)
{
    text_view_fixture f(60, 30);
    xirr_ansi_display_core display(&f.view);
    display.write_ansi_data("\x1b[7m\x1b[31mR", 10);
    xirr_bitmap s(60, 30);
    f.view.paint(s);
    EXPECT_EQ(s.GetPixel(40, 5), rgb_color(64, 64, 64));
    expect_glyph(s, 'R', 1, 19, rgb_color(0xAA, 0, 0), rgb_color(64, 64, 64));
    display.write_ansi_data("\x1b[0m", 4);
    f.view.paint(s);
    EXPECT_EQ(s.GetPixel(40, 5), rgb_color(0, 0, 0));
}

TEST(TextctrlPaint, AFontWithoutHeightLeavesOnlyTheBackground)
{
    text_view_fixture f(60, 30);
    f.view.add_text("text");
    f.view.set_font(nullptr);
    xirr_bitmap s(60, 30);
    f.view.paint(s);
    std::string all_black;
    for (int y = 0; y < 30; y++)
        all_black += std::string(60, '#') + "\n";
    EXPECT_EQ(surface_mask(s, rgb_color(0, 0, 0)), all_black);
    EXPECT_EQ(f.view.get_visible_line_count(), 20);
    int row = -1, offset = -1;
    f.view.translate_xy_to_line_and_offset(10, 10, &row, &offset);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(offset, 0);
}

TEST(DisplayFrame, GreyAndWhiteWhenFollowingRedWhenLockedBlinkingWhenFlashed)
{
    text_view_fixture f(60, 30);
    xirr_ansi_display_core display(&f.view);
    xirr_bitmap s(40, 30);
    s.Clear(rgb_color(0, 0, 255));
    display.paint_frame(s, 40, 30);
    EXPECT_EQ(s.GetPixel(0, 0), rgb_color(255, 255, 255));
    EXPECT_EQ(s.GetPixel(39, 29), rgb_color(255, 255, 255));
    EXPECT_EQ(s.GetPixel(1, 1), rgb_color(128, 128, 128));
    EXPECT_EQ(s.GetPixel(38, 28), rgb_color(128, 128, 128));
    EXPECT_EQ(s.GetPixel(2, 2), rgb_color(0, 0, 255));

    display.lock_scrollback();
    display.paint_frame(s, 40, 30);
    EXPECT_EQ(s.GetPixel(0, 15), rgb_color(255, 0, 0));
    EXPECT_EQ(s.GetPixel(38, 15), rgb_color(192, 0, 0));

    display.flash_border();  // 16 steps: even, black
    display.paint_frame(s, 40, 30);
    EXPECT_EQ(s.GetPixel(0, 15), rgb_color(0, 0, 0));
    for (int tick = 0; tick < 10; tick++)
        display.animate_frame(20);  // one 200 ms step: 15 left, white
    display.paint_frame(s, 40, 30);
    EXPECT_EQ(s.GetPixel(1, 15), rgb_color(255, 255, 255));

    display.unlock_scrollback();
    for (int tick = 0; tick < 150; tick++)
        display.animate_frame(20);
    display.paint_frame(s, 40, 30);
    EXPECT_EQ(s.GetPixel(0, 15), rgb_color(255, 255, 255));
    EXPECT_EQ(s.GetPixel(1, 15), rgb_color(128, 128, 128));
}

} // namespace
