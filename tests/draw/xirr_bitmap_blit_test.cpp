#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "draw/xirr_bitmap.h"
#include "support/debug_log.h"
#include "tests/common/surface_text.h"

namespace {

xirr_bitmap filled(int w, int h, const rgb_color &c)
{
    xirr_bitmap s(w, h);
    s.Clear(c);
    return s;
}

void set_alpha(xirr_bitmap &s, int x, int y, int a)
{
    s.row(y)[4 * x + 3] = (unsigned char)a;
}

}  // namespace

TEST(xirr_bitmap_blit, draw_bitmap_clips_at_every_edge)
{
    const rgb_color c(9, 8, 7);
    struct { int x, y; const char *mask; } cases[] = {
        {1, 1, ".....\n.##..\n.##..\n.....\n"},
        {-1, -1, "#....\n.....\n.....\n.....\n"},
        {4, 3, ".....\n.....\n.....\n....#\n"},
        {-2, 0, ".....\n.....\n.....\n.....\n"},
        {5, 0, ".....\n.....\n.....\n.....\n"},
        {0, 4, ".....\n.....\n.....\n.....\n"},
        {0, -2, ".....\n.....\n.....\n.....\n"},
        {INT_MIN, INT_MAX, ".....\n.....\n.....\n.....\n"},
        {INT_MAX, INT_MIN, ".....\n.....\n.....\n.....\n"},
    };
    xirr_bitmap src = filled(2, 2, c);
    for (const auto &k : cases) {
        xirr_bitmap s = filled(5, 4, color_black), n = filled(5, 4, color_black);
        s.DrawBitmap(src, k.x, k.y);
        n.DrawBitmapNukeAlpha(src, k.x, k.y);
        EXPECT_EQ(surface_mask(s, c), std::string(k.mask)) << k.x << "," << k.y;
        // Opaque: each channel * 255 / 256.
        EXPECT_EQ(surface_mask(n, rgb_color(8, 7, 6)), std::string(k.mask)) << k.x << "," << k.y;
    }
}

TEST(xirr_bitmap_blit, draw_bitmap_copies_colour_and_leaves_alpha)
{
    xirr_bitmap src = filled(2, 1, rgb_color(1, 2, 3));
    set_alpha(src, 0, 0, 0);
    xirr_bitmap dst = filled(3, 1, color_white);
    set_alpha(dst, 1, 0, 40);
    dst.DrawBitmap(src, 1, 0);
    EXPECT_EQ(dst.GetPixel(0, 0), color_white);
    EXPECT_EQ(dst.GetPixel(1, 0), rgb_color(1, 2, 3));
    EXPECT_EQ(dst.GetAlpha(1, 0), 40);
    EXPECT_EQ(dst.GetAlpha(2, 0), 255);
}

TEST(xirr_bitmap_blit, nuke_alpha_composites_over_black)
{
    xirr_bitmap src = filled(4, 1, rgb_color(255, 200, 100));
    const int alphas[] = {255, 128, 0, 1};
    for (int i = 0; i < 4; i++)
        set_alpha(src, i, 0, alphas[i]);
    xirr_bitmap dst = filled(4, 1, color_white);
    dst.DrawBitmapNukeAlpha(src, 0, 0);
    EXPECT_EQ(dst.GetPixel(0, 0), rgb_color(254, 199, 99));
    EXPECT_EQ(dst.GetPixel(1, 0), rgb_color(127, 100, 50));
    EXPECT_EQ(dst.GetPixel(2, 0), color_black);
    EXPECT_EQ(dst.GetPixel(3, 0), color_black);
    EXPECT_EQ(dst.GetAlpha(1, 0), 255);
}

TEST(xirr_bitmap_blit, text_glyph_blends_by_green_coverage)
{
    // Coverage is read from green only; red and blue of the glyph are noise.
    xirr_bitmap glyph(4, 1);
    const int coverage[] = {0, 255, 128, 1};
    for (int i = 0; i < 4; i++)
        glyph.SetPixel(i, 0, 77, coverage[i], 13);
    const rgb_color bg(10, 20, 30);
    struct { rgb_color ink; rgb_color expect[4]; } cases[] = {
        {color_white, {bg, {254, 254, 254}, {132, 137, 142}, {10, 20, 30}}},
        {rgb_color(200, 100, 0), {bg, {199, 99, 0}, {104, 59, 14}, {10, 20, 29}}},
    };
    for (const auto &c : cases) {
        xirr_bitmap dst = filled(4, 1, color_blue);
        set_alpha(dst, 2, 0, 3);
        dst.DrawTextGlyph(glyph, 0, 0, c.ink, bg);
        for (int i = 0; i < 4; i++) {
            EXPECT_EQ(dst.GetPixel(i, 0), c.expect[i]) << i << ": " << pixel_text(dst, i, 0);
            EXPECT_EQ(dst.GetAlpha(i, 0), 255);
        }
    }
}

TEST(xirr_bitmap_blit, transparent_glyph_keeps_uninked_pixels)
{
    xirr_bitmap glyph(3, 1);
    glyph.SetPixel(0, 0, 255, 0, 255);
    glyph.SetPixel(1, 0, 0, 255, 0);
    glyph.SetPixel(2, 0, 0, 64, 0);
    xirr_bitmap dst = filled(3, 1, rgb_color(100, 50, 0));
    set_alpha(dst, 1, 0, 9);
    dst.DrawTextGlyphTransparent(glyph, 0, 0, color_white);
    EXPECT_EQ(dst.GetPixel(0, 0), rgb_color(100, 50, 0));
    EXPECT_EQ(dst.GetPixel(1, 0), rgb_color(254, 254, 254));
    // (100 * 191 + 255 * 64) / 256 = 138, (50 * 191 + 255 * 64) / 256 = 101.
    EXPECT_EQ(dst.GetPixel(2, 0), rgb_color(138, 101, 63));
    EXPECT_EQ(dst.GetAlpha(1, 0), 9);
}

TEST(xirr_bitmap_blit, surfaces_without_pixels_log_and_draw_nothing)
{
    xirr_bitmap none(0, 0), good = filled(2, 2, color_white);
    xirr_point tri[] = {{0, 0}, {1, 0}, {0, 1}};
    struct { std::function<void()> run; const char *log; } cases[] = {
        {[&] { none.ClearAlpha(); }, "Error in xirr_bitmap::ClearAlpha(), pixel data failed?\n"},
        {[&] { none.Clear(color_red); }, "Error in xirr_bitmap::Clear(), pixel data failed?\n"},
        {[&] { none.DrawFilledRectangle(0, 0, 1, 1, color_red); },
         "Error in xirr_bitmap::DrawFilledRectangle(), pixel data failed?\n"},
        {[&] { none.DrawXGradientRectangle(0, 0, 1, 1, color_red, color_red); },
         "Error in xirr_bitmap::DrawXGradientRectangle(), pixel data failed?\n"},
        {[&] { none.DrawYGradientRectangle(0, 0, 1, 1, color_red, color_red); },
         "Error in xirr_bitmap::DrawYGradientRectangle(), pixel data failed?\n"},
        {[&] { none.DrawFilledCircle(0, 0, 1, color_red); },
         "Error in xirr_bitmap::DrawFilledCircle(), pixel data failed?\n"},
        {[&] { none.DrawBitmap(good, 0, 0); },
         "Error in xirr_bitmap::DrawBitmap(), pixel data dest failed?\n"},
        {[&] { good.DrawBitmap(none, 0, 0); },
         "Error in xirr_bitmap::DrawBitmap(), pixel data src failed?\n"},
        {[&] { none.DrawBitmapNukeAlpha(good, 0, 0); },
         "Error in xirr_bitmap::DrawBitmapNukeAlpha(), pixel data dest failed?\n"},
        {[&] { good.DrawBitmapNukeAlpha(none, 0, 0); },
         "Error in xirr_bitmap::DrawBitmapNukeAlpha(), pixel data src failed?\n"},
        {[&] { none.DrawTextGlyph(good, 0, 0, color_red, color_red); },
         "Error in xirr_bitmap::DrawTextGlyph(), pixel data dest failed?\n"},
        {[&] { good.DrawTextGlyph(none, 0, 0, color_red, color_red); },
         "Error in xirr_bitmap::DrawTextGlyph(), pixel data src failed?\n"},
        {[&] { none.DrawTextGlyphTransparent(good, 0, 0, color_red); },
         "Error in xirr_bitmap::DrawTextGlyphTransparent(), pixel data dest failed?\n"},
        {[&] { good.DrawTextGlyphTransparent(none, 0, 0, color_red); },
         "Error in xirr_bitmap::DrawTextGlyphTransparent(), pixel data src failed?\n"},
        {[&] {
             none.SetPixel(0, 0, color_red);
             none.DrawLine(0, 0, 5, 5, color_red);
             none.DrawGradientLine(0, 0, 5, 5, color_red, color_red);
             none.DrawPolygon(3, tri, 0, 0, color_red, color_red);
             none.DrawRoundedFrame(color_red, 4, 4);
         },
         ""},
    };
    for (auto &c : cases) {
        testing::internal::CaptureStdout();
        c.run();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.log);
    }
    EXPECT_EQ(surface_mask(good, color_white), "##\n##\n");

    // The pixel-data messages are warnings-level trace: silent below level 2.
    int saved = debug_level;
    debug_level = 1;
    testing::internal::CaptureStdout();
    none.Clear(color_red);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    debug_level = saved;
}
