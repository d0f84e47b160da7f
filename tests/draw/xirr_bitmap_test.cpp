#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "draw/xirr_bitmap.h"
#include "support/debug_log.h"
#include "tests/common/surface_text.h"

namespace {

const rgb_color ink(200, 100, 50);

xirr_bitmap black_surface(int w, int h)
{
    xirr_bitmap s(w, h);
    s.Clear(color_black);
    return s;
}

// Exactly the stepping described for lines, walked in full; the points that
// fall on a 64 x 64 area at the origin.
std::set<std::pair<long long, long long>> reference_line(long long x1, long long y1, long long x2,
                                                         long long y2)
{
    struct near_set : std::set<std::pair<long long, long long>> {
        void insert(std::pair<long long, long long> p)
        {
            if (p.first >= 0 && p.first < 64 && p.second >= 0 && p.second < 64)
                std::set<std::pair<long long, long long>>::insert(p);
        }
    } pts;
    if (x1 == x2 && y1 == y2) {
        pts.insert({x1, y1});
        return pts;
    }
    long long dx = llabs(x2 - x1), dy = llabs(y2 - y1);
    if (dy < dx) {
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        long long y = y1, err = dx / 2;
        for (long long x = x1; x <= x2; x++) {
            pts.insert({x, y});
            err -= dy;
            if (err < 0) {
                y += y2 > y1 ? 1 : -1;
                err += dx;
            }
        }
    } else {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        long long x = x1, err = dy / 2;
        for (long long y = y1; y <= y2; y++) {
            pts.insert({x, y});
            err -= dx;
            if (err < 0) {
                x += x2 > x1 ? 1 : -1;
                err += dy;
            }
        }
    }
    return pts;
}

std::string reference_line_mask(int w, int h, long long x1, long long y1, long long x2,
                                 long long y2)
{
    auto pts = reference_line(x1, y1, x2, y2);
    std::string out;
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++)
            out += pts.count({x, y}) ? '#' : '.';
        out += '\n';
    }
    return out;
}

}  // namespace

TEST(xirr_bitmap, creation_sizes_and_alpha)
{
    xirr_bitmap d;
    EXPECT_EQ(d.GetWidth(), 16);
    EXPECT_EQ(d.GetHeight(), 16);
    EXPECT_EQ(d.GetAlpha(15, 15), 255);
    for (auto wh : std::vector<std::pair<int, int>>{{0, 5}, {5, 0}, {-3, 4}, {32768, 1}}) {
        xirr_bitmap s(wh.first, wh.second);
        EXPECT_FALSE(s.IsOk()) << wh.first << "x" << wh.second;
        EXPECT_EQ(s.GetWidth(), 0);
    }
    xirr_bitmap one(1, 1);
    EXPECT_TRUE(one.IsOk());
}

TEST(xirr_bitmap, copies_are_deep)
{
    xirr_bitmap a = black_surface(4, 3);
    a.SetPixel(1, 1, ink);
    xirr_bitmap b(a);
    xirr_bitmap c(2, 2);
    c = a;
    a.SetPixel(1, 1, color_white);
    EXPECT_EQ(b.GetPixel(1, 1), ink);
    EXPECT_EQ(c.GetPixel(1, 1), ink);
    EXPECT_EQ(c.GetWidth(), 4);
}

TEST(xirr_bitmap, clear_writes_alpha_and_primitives_keep_it)
{
    xirr_bitmap s(5, 5);
    s.pixels()[3] = 7;  // alpha of (0, 0)
    s.Clear(rgb_color(1, 2, 3));
    EXPECT_EQ(s.GetAlpha(0, 0), 255);
    EXPECT_EQ(s.GetPixel(4, 4), rgb_color(1, 2, 3));
    s.pixels()[3] = 7;
    s.DrawFilledRectangle(0, 0, 4, 4, ink);
    s.DrawXGradientRectangle(0, 0, 4, 4, ink, color_white);
    s.DrawFilledCircle(0, 0, 2, ink);
    s.SetPixel(0, 0, ink);
    EXPECT_EQ(s.GetAlpha(0, 0), 7);
    s.ClearAlpha();
    EXPECT_EQ(s.GetAlpha(0, 0), 255);
}

TEST(xirr_bitmap, set_pixel_clips_and_keeps_low_bits)
{
    xirr_bitmap s = black_surface(3, 3);
    for (auto p : std::vector<std::pair<int, int>>{
             {-1, 0}, {0, -1}, {3, 0}, {0, 3}, {INT_MIN, INT_MIN}, {INT_MAX, 1}})
        s.SetPixel(p.first, p.second, color_white);
    EXPECT_EQ(surface_mask(s, color_black), "###\n###\n###\n");
    s.SetPixel(2, 2, rgb_color(256 + 5, -1, 511));
    EXPECT_EQ(s.GetPixel(2, 2), rgb_color(5, 255, 255));
}

TEST(xirr_bitmap, filled_rectangle_any_corner_order_and_clipping)
{
    struct rect_case {
        int x1, y1, x2, y2;
        const char *mask;
    } cases[] = {
        {1, 1, 2, 3, "....\n.##.\n.##.\n.##.\n"},
        {2, 3, 1, 1, "....\n.##.\n.##.\n.##.\n"},
        {-5, -5, 0, 0, "#...\n....\n....\n....\n"},
        {3, 3, 100, 100, "....\n....\n....\n...#\n"},
        {-5, 1, -1, 2, "....\n....\n....\n....\n"},
        {1, -9, 2, -1, "....\n....\n....\n....\n"},
        {4, 0, 9, 3, "....\n....\n....\n....\n"},
        {0, 4, 3, 9, "....\n....\n....\n....\n"},
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX, "####\n####\n####\n####\n"},
    };
    for (const rect_case &c : cases) {
        xirr_bitmap s = black_surface(4, 4);
        s.DrawFilledRectangle(c.x1, c.y1, c.x2, c.y2, ink);
        EXPECT_EQ(surface_mask(s, ink), c.mask) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
    }
}

TEST(xirr_bitmap, line_matches_the_stepping_rule_in_both_directions)
{
    const int w = 20, h = 20;
    struct { long long x1, y1, x2, y2; } cases[] = {
        {0, 0, 5, 5}, {0, 0, 19, 3}, {2, 17, 15, 1}, {3, 3, 3, 3}, {0, 10, 19, 10},
        {10, 0, 10, 19}, {0, 0, 7, 19}, {19, 0, 0, 19}, {-30, -7, 40, 25}, {-100, 5, 100, 9},
        {5, -1000, 9, 1000}, {-3000000, -1234567, 3000017, 1234599}, {-7, 2500001, 13, -2500000},
        {25, 25, 40, 40}, {-5, 30, 30, -5}, {-1, -1, 20, 20}, {19, -1, -1, 19},
    };
    for (const auto &c : cases) {
        for (int reversed = 0; reversed < 2; reversed++) {
            xirr_bitmap s = black_surface(w, h);
            if (reversed)
                s.DrawLine((int)c.x2, (int)c.y2, (int)c.x1, (int)c.y1, ink);
            else
                s.DrawLine((int)c.x1, (int)c.y1, (int)c.x2, (int)c.y2, ink);
            EXPECT_EQ(surface_mask(s, ink), reference_line_mask(w, h, c.x1, c.y1, c.x2, c.y2))
                << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2 << " reversed " << reversed;
        }
    }
}

TEST(xirr_bitmap, lines_across_the_whole_int_range_stay_exact)
{
    xirr_bitmap s = black_surface(20, 20);
    s.DrawLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX, ink);
    std::string diagonal;
    for (int y = 0; y < 20; y++)
        diagonal += std::string(y, '.') + "#" + std::string(19 - y, '.') + "\n";
    EXPECT_EQ(surface_mask(s, ink), diagonal);

    // Only y = 11 is reached near x = 0 by a line this flat.
    xirr_bitmap f = black_surface(20, 20);
    f.DrawLine(INT_MIN, 10, INT_MAX, 12, ink);
    EXPECT_EQ(surface_mask(f, ink, 0, 11, 20, 1), std::string(20, '#') + "\n");
    EXPECT_EQ(surface_mask(f, ink, 0, 0, 20, 11), surface_mask(black_surface(20, 11), ink));
}

TEST(xirr_bitmap, line_from_5_5_to_0_0_equals_0_0_to_5_5)
{
    xirr_bitmap a = black_surface(8, 8), b = black_surface(8, 8);
    a.DrawLine(5, 5, 0, 0, ink);
    b.DrawLine(0, 0, 5, 5, ink);
    EXPECT_EQ(surface_mask(a, ink), surface_mask(b, ink));
    EXPECT_EQ(surface_mask(a, ink, 0, 0, 6, 6), "#.....\n.#....\n..#...\n...#..\n....#.\n.....#\n");
}

TEST(xirr_bitmap, x_gradient_254_columns_draws_1_to_254)
{
    xirr_bitmap s = black_surface(260, 2);
    s.DrawXGradientRectangle(3, 0, 256, 1, color_black, color_white);
    for (int k = 0; k < 254; k++) {
        ASSERT_EQ(s.GetPixel(3 + k, 0), rgb_color(k + 1, k + 1, k + 1)) << k;
        ASSERT_EQ(s.GetPixel(3 + k, 1), rgb_color(k + 1, k + 1, k + 1)) << k;
    }
    EXPECT_EQ(s.GetPixel(2, 0), color_black);
    EXPECT_EQ(s.GetPixel(257, 0), color_black);
}

TEST(xirr_bitmap, filled_circle_radius_1_is_a_3x3_block)
{
    xirr_bitmap s = black_surface(5, 5);
    s.DrawFilledCircle(2, 2, 1, ink);
    EXPECT_EQ(surface_mask(s, ink), ".....\n.###.\n.###.\n.###.\n.....\n");
}
