#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "draw/xirr_bitmap.h"
#include "draw/xirr_glyph_font.h"
#include "tests/common/surface_text.h"
#include "tests/common/test_font.h"

namespace {

xirr_bitmap filled(int w, int h, const rgb_color &c)
{
    xirr_bitmap s(w, h);
    s.Clear(c);
    return s;
}

// The surface with one letter per listed colour and '.' for any other.
std::string legend(const xirr_bitmap &s, const std::vector<std::pair<rgb_color, char>> &keys)
{
    std::string out;
    for (int y = 0; y < s.GetHeight(); y++) {
        for (int x = 0; x < s.GetWidth(); x++) {
            char ch = '.';
            for (const auto &k : keys)
                if (s.GetPixel(x, y) == k.first)
                    ch = k.second;
            out += ch;
        }
        out += '\n';
    }
    return out;
}

// What a line of text in the test font looks like: '#' for ink, '.' for
// background, starting at x on a surface of width w (10 rows).
std::string expected_text(const char *text, int x, int w)
{
    std::vector<std::string> rows(10, std::string(w, '.'));
    for (const char *p = text; *p; p++) {
        int c = (unsigned char)*p & 127;
        if (c < 32 || c > 126)
            continue;
        for (int y = 0; y < 10; y++)
            for (int i = 0; i < 6; i++)
                if (x + i >= 0 && x + i < w && test_font_source::ink(c, i, y))
                    rows[y][x + i] = '#';
        x += 6;
    }
    std::string out;
    for (const std::string &r : rows)
        out += r + "\n";
    return out;
}

const rgb_color bg(0, 0, 80);
const rgb_color white_ink(254, 254, 254);

}  // namespace

TEST(xirr_bitmap_text, draws_glyph_cells_with_white_ink_at_254)
{
    test_font font;
    struct { const char *text; int x; const char *looks_like; int end; } cases[] = {
        {"AB", 0, "AB", 12},
        {"AB", 3, "AB", 15},
        {"AB", -3, "AB", 9},
        {"\xC1\xC2", 0, "AB", 12},        // codes of 128 and more use code AND 127
        {"A\x01\x1f\x7f" "B", 0, "AB", 12},  // no glyph: skipped, no advance
        {"Wy~", -13, "Wy~", 5},
        {"Hello", 2, "Hello", 32},
        {"", 4, "", 4},
    };
    for (const auto &c : cases) {
        xirr_bitmap s = filled(20, 10, color_red);
        EXPECT_EQ(s.DrawText(font, c.text, c.x, 0, color_white, bg), c.end) << c.text;
        EXPECT_EQ(surface_mask(s, white_ink), expected_text(c.looks_like, c.x, 20)) << c.text;
        // Every pixel of the drawn cells is either ink or background.
        int first = c.x < 0 ? 0 : c.x, last = c.end > 20 ? 20 : c.end;
        for (int x = first; x < last; x++)
            for (int y = 0; y < 10; y++)
                ASSERT_NE(s.GetPixel(x, y), color_red) << c.text << " at " << x << "," << y;
    }
}

TEST(xirr_bitmap_text, transparent_text_keeps_the_background)
{
    test_font font;
    xirr_bitmap s = filled(12, 10, color_red);
    EXPECT_EQ(s.DrawTextTransparent(font, "AB", 0, 0, color_white), 12);
    EXPECT_EQ(surface_mask(s, white_ink), expected_text("AB", 0, 12));
    EXPECT_EQ(s.GetPixel(0, 0), color_red);
    EXPECT_EQ(s.GetPixel(5, 9), color_red);
}

TEST(xirr_bitmap_text, nothing_is_drawn_outside_or_for_null_text)
{
    test_font font;
    struct { const char *text; int x, y; } cases[] = {
        {nullptr, 0, 0}, {"AB", 13, 0}, {"AB", 0, 11}, {"AB", 12, 0}, {"AB", 0, 10},
        {"AB", INT_MAX, 0}, {"AB", 0, INT_MIN}, {"AB", -12, 0}, {"AB", INT_MIN, INT_MIN},
    };
    for (const auto &c : cases) {
        xirr_bitmap s = filled(12, 10, color_red);
        s.DrawText(font, c.text, c.x, c.y, color_white, bg);
        s.DrawTextTransparent(font, c.text, c.x, c.y, color_white);
        EXPECT_EQ(surface_mask(s, color_red), surface_mask(filled(12, 10, color_red), color_red))
            << c.x << "," << c.y;
    }
    xirr_bitmap s = filled(12, 10, color_red);
    EXPECT_EQ(s.DrawText(font, nullptr, 5, 0, color_white, bg), 5);
}

TEST(xirr_bitmap_text, length_form_stops_at_the_length_or_a_zero)
{
    test_font font;
    xirr_bitmap a = filled(20, 10, color_red), b = filled(20, 10, color_red);
    EXPECT_EQ(a.DrawText(font, "ABCD", 2, 0, 0, color_white, bg), 12);
    b.DrawText(font, "AB", 0, 0, color_white, bg);
    EXPECT_EQ(surface_mask(a, white_ink), surface_mask(b, white_ink));
    EXPECT_EQ(a.DrawTextTransparent(font, "AB\0CD", 5, 0, 0, color_white), 12);
}

TEST(xirr_bitmap_text, glyph_vertical_clipping)
{
    test_font font;
    for (int y : {-9, -4, 3, 9}) {
        xirr_bitmap s = filled(6, 10, color_red);
        s.DrawText(font, "A", 0, y, color_white, bg);
        std::string expect;
        for (int r = 0; r < 10; r++) {
            for (int x = 0; x < 6; x++)
                expect += r - y >= 0 && r - y < 10 && test_font_source::ink('A', x, r - y) ? '#' : '.';
            expect += '\n';
        }
        EXPECT_EQ(surface_mask(s, white_ink), expect) << y;
    }
}

TEST(xirr_bitmap_text, extent_of_texts)
{
    test_font font;
    test_font wide(6, 10, true);
    struct { const xirr_glyph_font *f; const char *text; int w, h; } cases[] = {
        {&font, "AB", 12, 10},
        {&font, "", 0, 0},
        {&font, "\x01\x7f", 0, 0},
        {&font, "\xC1", 6, 10},
        {&wide, "A", 8, 10},  // 'A' = 65, 65 % 3 = 2
        {&wide, "AAB", 22, 10},
    };
    for (const auto &c : cases) {
        int w = -1, h = -1;
        xirr_bitmap s(1, 1);
        s.GetTextExtent(*c.f, c.text, &w, &h);
        EXPECT_EQ(w, c.w) << c.text;
        EXPECT_EQ(h, c.h) << c.text;
    }
    int w = -5, h = -6;
    glyph_text_extent(&font, nullptr, &w, &h);
    glyph_text_extent(nullptr, "AB", &w, &h);
    EXPECT_EQ(w, -5);
    EXPECT_EQ(h, -6);
    glyph_text_extent(&font, "AB", nullptr, &h);
    EXPECT_EQ(h, 10);
    glyph_text_extent(&font, "ABCD", 3, &w, nullptr);
    EXPECT_EQ(w, 18);
}

TEST(xirr_bitmap_text, glyph_size_covers_only_printable_ascii)
{
    test_font font;
    struct { int c, w, h; } cases[] = {
        {'A', 6, 10}, {32, 6, 10}, {126, 6, 10}, {31, 0, 0}, {127, 0, 0}, {128 + 'A', 0, 0},
        {-1, 0, 0}, {0, 0, 0}, {INT_MAX, 0, 0},
    };
    for (const auto &c : cases) {
        int w = -1, h = -1;
        glyph_size(&font, c.c, &w, &h);
        EXPECT_EQ(w, c.w) << c.c;
        EXPECT_EQ(h, c.h) << c.c;
    }
    int w = -1;
    glyph_size(nullptr, 'A', &w, nullptr);
    EXPECT_EQ(w, 0);
    glyph_size(&font, 'A', nullptr, nullptr);
}

namespace {

// A source that refuses some characters and can change its cell size.
class patchy_source : public xirr_glyph_source {
public:
    int width = 3;
    bool measure_glyph(int c, int *w, int *h) override
    {
        if (c == 'x')
            return false;
        *w = c == 'z' ? 0 : width;
        *h = 2;
        return true;
    }
    bool render_glyph(int c, xirr_bitmap &surface) override
    {
        if (c == 'y')
            return false;
        surface.SetPixel(0, 0, color_white);
        return true;
    }
};

}  // namespace

TEST(xirr_bitmap_text, glyph_table_is_built_for_32_to_126_and_rebuilt)
{
    xirr_glyph_font font;
    patchy_source source;
    EXPECT_EQ(font.build_glyphs_from(source), 95 - 3);
    for (int c : {0, 31, 127, (int)'x', (int)'y', (int)'z', -1, 128})
        EXPECT_EQ(font.glyph(c), nullptr) << c;
    ASSERT_NE(font.glyph('A'), nullptr);
    EXPECT_EQ(font.glyph('A')->GetWidth(), 3);
    // A fresh glyph is black apart from what the source drew.
    EXPECT_EQ(font.glyph('A')->GetPixel(0, 0), color_white);
    EXPECT_EQ(font.glyph('A')->GetPixel(1, 1), color_black);
    source.width = 5;
    font.build_glyphs_from(source);
    EXPECT_EQ(font.glyph('A')->GetWidth(), 5);
    font.clear_glyphs();
    EXPECT_EQ(font.glyph('A'), nullptr);
}

// ---- frames and bars -------------------------------------------------------

TEST(xirr_bitmap_frames, rounded_frame_cuts_its_corners)
{
    xirr_bitmap s = filled(6, 4, color_grey64);
    s.DrawRoundedFrame(color_white, 5, 4);
    EXPECT_EQ(legend(s, {{color_white, 'W'}, {color_black, 'K'}}), "KWWWK.\n"
                                                                   "W...W.\n"
                                                                   "W...W.\n"
                                                                   "KWWWK.\n");
    xirr_bitmap big = filled(3, 3, color_grey64);
    big.DrawRoundedFrame(color_white, 40, 40);
    EXPECT_EQ(legend(big, {{color_white, 'W'}, {color_black, 'K'}}), "KWW\nW..\nW..\n");
    xirr_bitmap odd = filled(3, 3, color_grey64);
    odd.DrawRoundedFrame(color_white, 0, INT_MIN);
    odd.DrawRoundedFrame(color_white, INT_MIN, INT_MAX);
}

TEST(xirr_bitmap_frames, edge_lines_by_bit)
{
    const rgb_color c(1, 2, 3);
    struct { int bits; const rgb_color *color; const char *look; } cases[] = {
        {8, nullptr, "WG....\nWG....\nWG....\nWG....\n"},
        {2, nullptr, "....WW\n....WW\n....WW\n....WW\n"},
        {1, nullptr, "WWWWWW\n......\n......\n......\n"},
        {4, nullptr, "......\n......\n......\nWWWWWW\n"},
        {15, nullptr, "WWWWWW\nWG..WW\nWG..WW\nWWWWWW\n"},
        {15, &c, "CCCCCC\nCC..CC\nCC..CC\nCCCCCC\n"},
        {0, nullptr, "......\n......\n......\n......\n"},
    };
    for (const auto &k : cases) {
        xirr_bitmap s = filled(6, 4, color_grey64);
        s.DrawEdgeLines(6, 4, k.bits, k.color);
        EXPECT_EQ(legend(s, {{color_white, 'W'}, {color_grey128, 'G'}, {c, 'C'}}), k.look)
            << k.bits;
    }
    xirr_bitmap s = filled(3, 3, color_grey64);
    s.DrawEdgeLines(INT_MIN, INT_MAX, 15);
    s.DrawEdgeLines(INT_MAX, INT_MIN, 15);
}

TEST(xirr_bitmap_frames, value_bar_fills_from_either_end)
{
    const rgb_color fill(128, 64, 32), edge(255, 128, 64);
    struct { int filled; const char *look; } cases[] = {
        {3, "..........\n.W......W.\n.WEEK...W.\n.WFFF...W.\n.WFFFWWWW.\n.WEEK...W.\n.W......W.\n"
            "..........\n"},
        {-2, "..........\n.W......W.\n.W....KEW.\n.W....FFW.\n.WWWWWFFW.\n.W....KEW.\n.W......W.\n"
             "..........\n"},
        {6, "..........\n.W......W.\n.WEEEEEEW.\n.WFFFFFFW.\n.WFFFFFFW.\n.WEEEEEEW.\n.W......W.\n"
            "..........\n"},
        {9, "..........\n.W......W.\n.WEEEEEEW.\n.WFFFFFFW.\n.WFFFFFFW.\n.WEEEEEEW.\n.W......W.\n"
            "..........\n"},
        {-9, "..........\n.W......W.\n.WEEEEEEW.\n.WFFFFFFW.\n.WFFFFFFW.\n.WEEEEEEW.\n.W......W.\n"
             "..........\n"},
        {1, "..........\n.W......W.\n.WK.....W.\n.WF.....W.\n.WFWWWWWW.\n.WK.....W.\n.W......W.\n"
            "..........\n"},
        {0, "..........\n.W......W.\n.W......W.\n.W......W.\n.WWWWWWWW.\n.W......W.\n.W......W.\n"
            "..........\n"},
    };
    for (const auto &k : cases) {
        xirr_bitmap s = filled(10, 8, color_grey64);
        s.DrawValueBar(2, 2, 6, 4, k.filled, fill, edge);
        EXPECT_EQ(legend(s, {{color_white, 'W'}, {fill, 'F'}, {edge, 'E'}, {color_black, 'K'}}),
                  k.look)
            << k.filled;
    }
    xirr_bitmap frame = filled(10, 8, color_grey64);
    frame.DrawBarFrame(2, 2, 6, 4);
    EXPECT_EQ(legend(frame, {{color_white, 'W'}}), std::string(cases[6].look));
    for (int v : {INT_MIN, INT_MAX}) {
        xirr_bitmap s = filled(4, 4, color_grey64);
        s.DrawValueBar(v, v, v, v, v, fill, edge);
        s.DrawValueBar(0, 0, INT_MAX, 3, INT_MIN, fill, edge);
        s.DrawBarFrame(v, 0, v, v);
    }
}

namespace {

// One 16 x 16 glyph for '#' holding every coverage value once.
class ramp_source : public xirr_glyph_source {
public:
    bool measure_glyph(int c, int *w, int *h) override
    {
        *w = *h = c == '#' ? 16 : 0;
        return c == '#';
    }
    bool render_glyph(int c, xirr_bitmap &surface) override
    {
        for (int a = 0; a < 256; a++)
            surface.SetPixel(a % 16, a / 16, 255 - a, a, 7);
        return true;
    }
};

}  // namespace

TEST(xirr_bitmap_text, text_blends_every_coverage_as_the_single_glyph_draw)
{
    xirr_glyph_font font;
    ramp_source source;
    font.build_glyphs_from(source);
    const rgb_color ink(250, 120, 3), back(9, 200, 77);
    xirr_bitmap by_text = filled(20, 18, color_red), by_glyph = filled(20, 18, color_red);
    by_text.DrawText(font, "#", 2, 1, ink, back);
    by_glyph.DrawTextGlyph(*font.glyph('#'), 2, 1, ink, back);
    for (int y = 0; y < 18; y++)
        for (int x = 0; x < 20; x++)
            ASSERT_EQ(by_text.GetPixel(x, y), by_glyph.GetPixel(x, y)) << x << "," << y;
    EXPECT_EQ(by_text.GetPixel(2, 1), back);
    EXPECT_EQ(by_text.GetPixel(17, 16), rgb_color(249, 119, 2));
}
