#include <gtest/gtest.h>

#include <string>

#include "input/xirr_input_frame.h"

namespace {

// One letter per pixel: W white, G grey 128, . black, ? anything else.
std::string row_of(const xirr_bitmap &s, int y)
{
    std::string out;
    for (int x = 0; x < s.GetWidth(); x++) {
        rgb_color c = s.GetPixel(x, y);
        if (c.red == 255 && c.green == 255 && c.blue == 255)
            out += 'W';
        else if (c.red == 128 && c.green == 128 && c.blue == 128)
            out += 'G';
        else if (c.red == 0 && c.green == 0 && c.blue == 0)
            out += '.';
        else
            out += '?';
    }
    return out;
}

}  // namespace

TEST(input_frame, white_frame_with_grey_second_left_column)
{
    xirr_bitmap s(8, 5);
    s.Clear(rgb_color(10, 20, 30));  // every pixel must be painted
    xirr_flash_ticker idle;
    paint_input_frame(s, idle);
    EXPECT_EQ(row_of(s, 0), "WWWWWWWW");
    EXPECT_EQ(row_of(s, 1), "WG....WW");
    EXPECT_EQ(row_of(s, 2), "WG....WW");
    EXPECT_EQ(row_of(s, 3), "WG....WW");
    EXPECT_EQ(row_of(s, 4), "WWWWWWWW");
}

TEST(input_frame, blink_alternates_white_and_black_then_stops)
{
    xirr_bitmap s(6, 4);
    xirr_flash_ticker ticker;
    ticker.start();  // 16 steps left: even, black
    paint_input_frame(s, ticker);
    EXPECT_EQ(row_of(s, 0), "......");
    EXPECT_EQ(row_of(s, 1), "......");
    ticker.advance(200);  // 15 left: white, the grey column too
    paint_input_frame(s, ticker);
    EXPECT_EQ(row_of(s, 0), "WWWWWW");
    EXPECT_EQ(row_of(s, 1), "WW..WW");
    for (int i = 0; i < 15; i++)
        ticker.advance(200);
    EXPECT_EQ(ticker.steps_left(), 0);
    paint_input_frame(s, ticker);
    EXPECT_EQ(row_of(s, 1), "WG..WW");
}
