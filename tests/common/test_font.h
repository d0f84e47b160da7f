#ifndef SKIFF_TESTS_COMMON_TEST_FONT_H
#define SKIFF_TESTS_COMMON_TEST_FONT_H

#include "draw/xirr_glyph_font.h"

// A fixed, display-free bitmap font for layout and pixel tests.
//
// Every glyph (codes 32 to 126) is a cell of `width` x `height` pixels
// (6 x 10 by default), black with fully inked (255) white pixels:
//   - space (32) is blank;
//   - every other character sets an ink pattern inside columns 1..4 and rows
//     1..8: pixel (1 + k, 1 + r) is inked when bit ((r % 2) * 4 + k) of the
//     character code is set, for k 0..3 and r 0..7.  So the pattern shows
//     the code's low nibble on odd rows 1, 3, 5, 7 and its high nibble on
//     rows 2, 4, 6, 8, and different characters give different pixels.
// test_font_source::ink(c, x, y) answers whether a pixel is inked.
//
// With `proportional` set, the cell of character c is (width + c % 3) wide
// instead, for tests of variable-width layout.
class test_font_source : public xirr_glyph_source {
public:
    explicit test_font_source(int width = 6, int height = 10, bool proportional = false)
        : width_(width), height_(height), proportional_(proportional)
    {
    }
    bool measure_glyph(int c, int *width, int *height) override;
    bool render_glyph(int c, xirr_bitmap &surface) override;

    int cell_width(int c) const { return proportional_ ? width_ + c % 3 : width_; }
    int cell_height() const { return height_; }
    // Whether the glyph of c has ink at (x, y) of its cell.
    static bool ink(int c, int x, int y);

private:
    int width_;
    int height_;
    bool proportional_;
};

// An xirr_glyph_font built from test_font_source.
class test_font : public xirr_glyph_font {
public:
    explicit test_font(int width = 6, int height = 10, bool proportional = false)
        : source_(width, height, proportional)
    {
        build_glyphs_from(source_);
    }
    const test_font_source &source() const { return source_; }

private:
    test_font_source source_;
};

#endif
