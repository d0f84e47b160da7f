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

namespace {

// The gradient line's stepping, walked in full from the first end point; the
// colours that land on a w x h surface.
xirr_bitmap reference_gradient(int w, int h, long long x1, long long y1, long long x2,
                               long long y2, const rgb_color &from, const rgb_color &to)
{
    xirr_bitmap s = black_surface(w, h);
    long long dx = x2 - x1, dy = y2 - y1;
    bool xm = llabs(dy) < llabs(dx);
    long long m = xm ? llabs(dx) : llabs(dy), n = xm ? llabs(dy) : llabs(dx);
    long long a = xm ? x1 : y1, b = xm ? y1 : x1;
    int as = (xm ? dx : dy) < 0 ? -1 : 1, bs = (xm ? dy : dx) < 0 ? -1 : 1;
    long long err = -(m / 2);
    long long col[3] = {from.red * 256LL, from.green * 256LL, from.blue * 256LL};
    long long inc[3] = {(to.red * 256LL - col[0]) / (m + 1), (to.green * 256LL - col[1]) / (m + 1),
                        (to.blue * 256LL - col[2]) / (m + 1)};
    for (long long i = 0; i <= m; i++) {
        long long x = xm ? a : b, y = xm ? b : a;
        if (x >= 0 && y >= 0 && x < w && y < h)
            s.SetPixel((int)x, (int)y, (int)(col[0] >> 8), (int)(col[1] >> 8), (int)(col[2] >> 8));
        err += n;
        if (err >= 0) {
            b += bs;
            err -= m;
        }
        a += as;
        for (int ch = 0; ch < 3; ch++)
            col[ch] += inc[ch];
    }
    return s;
}

bool same_pixels(const xirr_bitmap &a, const xirr_bitmap &b)
{
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight())
        return false;
    for (int y = 0; y < a.GetHeight(); y++)
        for (int x = 0; x < a.GetWidth(); x++)
            if (a.GetPixel(x, y) != b.GetPixel(x, y))
                return false;
    return true;
}

}  // namespace

TEST(xirr_bitmap, gradient_line_ramps_and_stops_one_step_short)
{
    xirr_bitmap s = black_surface(12, 3);
    s.DrawGradientLine(0, 1, 9, 1, color_black, rgb_color(250, 0, 10));
    // (250 * 256) / 10 = 6400 per pixel, so red goes 0, 25, ... 225.
    for (int k = 0; k < 10; k++)
        EXPECT_EQ(s.GetPixel(k, 1), rgb_color(25 * k, 0, k)) << k;
    EXPECT_EQ(s.GetPixel(10, 1), color_black);

    // Walked in the given order: reversed, the ramp starts at the right.
    xirr_bitmap r = black_surface(12, 3);
    r.DrawGradientLine(9, 1, 0, 1, color_black, rgb_color(250, 0, 10));
    EXPECT_EQ(r.GetPixel(9, 1), color_black);
    EXPECT_EQ(r.GetPixel(0, 1), rgb_color(225, 0, 9));

    xirr_bitmap one = black_surface(3, 3);
    one.DrawGradientLine(1, 1, 1, 1, ink, color_white);
    EXPECT_EQ(one.GetPixel(1, 1), ink);
}

TEST(xirr_bitmap, gradient_line_matches_its_stepping_when_clipped)
{
    struct { long long x1, y1, x2, y2; } cases[] = {
        {0, 0, 15, 7}, {15, 7, 0, 0}, {3, 14, 9, 0}, {-20, -3, 30, 12}, {30, 12, -20, -3},
        {2, -40, 11, 55}, {-1000, 900, 1100, -800}, {5, 5, 5, 20}, {-3000001, 2, 3000000, 13},
        {7, -2999999, 8, 3000000}, {0, 0, 1, 0}, {-1, 15, 0, 16}, {1, 1, 2, 2},
    };
    rgb_color from(10, 200, 30), to(250, 0, 130);
    for (const auto &c : cases) {
        xirr_bitmap s = black_surface(16, 16);
        s.DrawGradientLine((int)c.x1, (int)c.y1, (int)c.x2, (int)c.y2, from, to);
        EXPECT_TRUE(same_pixels(s, reference_gradient(16, 16, c.x1, c.y1, c.x2, c.y2, from, to)))
            << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
    }
}

TEST(xirr_bitmap, random_lines_match_the_stepping_rule)
{
    std::mt19937 rng(1234);
    std::uniform_int_distribution<int> near(-40, 60), far(-5000, 5000);
    for (int i = 0; i < 400; i++) {
        auto &d = i % 4 == 0 ? far : near;
        int x1 = d(rng), y1 = d(rng), x2 = d(rng), y2 = d(rng);
        xirr_bitmap s = black_surface(20, 20);
        s.DrawLine(x1, y1, x2, y2, ink);
        ASSERT_EQ(surface_mask(s, ink), reference_line_mask(20, 20, x1, y1, x2, y2))
            << x1 << "," << y1 << " -> " << x2 << "," << y2;
        xirr_bitmap g = black_surface(20, 20);
        g.DrawGradientLine(x1, y1, x2, y2, color_red, color_blue);
        ASSERT_TRUE(same_pixels(g, reference_gradient(20, 20, x1, y1, x2, y2, color_red, color_blue)))
            << x1 << "," << y1 << " -> " << x2 << "," << y2;
    }
}

TEST(xirr_bitmap, y_gradient_254_rows_draws_1_to_254)
{
    xirr_bitmap s = black_surface(3, 258);
    s.DrawYGradientRectangle(1, 255, 0, 2, color_black, color_white);
    for (int k = 0; k < 254; k++)
        ASSERT_EQ(s.GetPixel(1, 2 + k), rgb_color(k + 1, k + 1, k + 1)) << k;
    EXPECT_EQ(s.GetPixel(0, 1), color_black);
    EXPECT_EQ(s.GetPixel(0, 256), color_black);
    EXPECT_EQ(s.GetPixel(2, 100), color_black);
}

TEST(xirr_bitmap, gradient_rectangles_clip_and_start_the_ramp_at_the_first_visible_line)
{
    // 10 columns from -2 to 7: step (200 * 256) / 11 = 4654, and the first
    // visible column gets the first step.
    xirr_bitmap s = black_surface(4, 2);
    s.DrawXGradientRectangle(-2, -5, 7, 0, color_black, rgb_color(200, 0, 0));
    for (int k = 0; k < 4; k++)
        EXPECT_EQ(s.GetPixel(k, 0), rgb_color(((k + 1) * 4654) >> 8, 0, 0)) << k;
    EXPECT_EQ(surface_mask(s, color_black), "....\n####\n");

    xirr_bitmap y = black_surface(2, 4);
    y.DrawYGradientRectangle(1, -2, 9, 7, color_black, rgb_color(0, 0, 200));
    for (int k = 0; k < 4; k++)
        EXPECT_EQ(y.GetPixel(1, k), rgb_color(0, 0, ((k + 1) * 4654) >> 8)) << k;
    EXPECT_EQ(y.GetPixel(0, 0), color_black);

    struct { int x1, y1, x2, y2; } outside[] = {
        {-9, 0, -1, 3}, {4, 0, 9, 3}, {0, -9, 3, -1}, {0, 2, 3, 9}, {INT_MIN, 0, INT_MIN + 3, 1}};
    for (const auto &o : outside) {
        xirr_bitmap t = black_surface(4, 2);
        t.DrawXGradientRectangle(o.x1, o.y1, o.x2, o.y2, color_white, color_white);
        t.DrawYGradientRectangle(o.x1, o.y1, o.x2, o.y2, color_white, color_white);
        EXPECT_EQ(surface_mask(t, color_black), "####\n####\n") << o.x1 << "," << o.y1;
    }
    xirr_bitmap whole = black_surface(3, 3);
    whole.DrawXGradientRectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX, color_black, color_white);
    whole.DrawYGradientRectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX, color_black, color_white);
}

TEST(xirr_bitmap, filled_circle_shapes_and_clipping)
{
    struct circle_case {
        int cx, cy, r;
        const char *mask;
    } cases[] = {
        {3, 3, 0, ".......\n.......\n.......\n...#...\n.......\n.......\n.......\n"},
        {3, 3, -4, ".......\n.......\n.......\n...#...\n.......\n.......\n.......\n"},
        // r(r+1) = 6: half-widths 1, 2, 2, 2, 1.
        {3, 3, 2, ".......\n..###..\n.#####.\n.#####.\n.#####.\n..###..\n.......\n"},
        // r(r+1) = 12: half-widths 1, 2, 3, 3, 3, 2, 1.
        {3, 3, 3, "..###..\n.#####.\n#######\n#######\n#######\n.#####.\n..###..\n"},
        {0, 0, 2, "###....\n###....\n##.....\n.......\n.......\n.......\n.......\n"},
        {6, 6, 1, ".......\n.......\n.......\n.......\n.......\n.....##\n.....##\n"},
        {-3, 3, 2, ".......\n.......\n.......\n.......\n.......\n.......\n.......\n"},
        {3, 9, 2, ".......\n.......\n.......\n.......\n.......\n.......\n.......\n"},
        {3, -2, 2, "..###..\n.......\n.......\n.......\n.......\n.......\n.......\n"},
        {3, 3, INT_MAX, "#######\n#######\n#######\n#######\n#######\n#######\n#######\n"},
        {INT_MIN, INT_MAX, INT_MAX, ".......\n.......\n.......\n.......\n.......\n.......\n.......\n"},
    };
    for (const circle_case &c : cases) {
        xirr_bitmap s = black_surface(7, 7);
        s.DrawFilledCircle(c.cx, c.cy, c.r, ink);
        EXPECT_EQ(surface_mask(s, ink), c.mask) << c.cx << "," << c.cy << " r " << c.r;
    }
}

TEST(xirr_bitmap, polygon_point_limits_log_and_draw_nothing)
{
    std::vector<xirr_point> pts(1000);
    for (int i = 0; i < 1000; i++)
        pts[i] = xirr_point{i % 2 ? 9 : 0, i % 4 < 2 ? 0 : 9};
    struct { int count; const char *log; } cases[] = {
        {2, "Error in xirr_bitmap::DrawPolygon(), only got 2 points, need a minimum of 3.\n"},
        {0, "Error in xirr_bitmap::DrawPolygon(), only got 0 points, need a minimum of 3.\n"},
        {-4, "Error in xirr_bitmap::DrawPolygon(), only got -4 points, need a minimum of 3.\n"},
        {1000, "Error in xirr_bitmap::DrawPolygon(), got 1000 points, max is 1000.\n"},
        {5000, "Error in xirr_bitmap::DrawPolygon(), got 5000 points, max is 1000.\n"},
    };
    for (const auto &c : cases) {
        xirr_bitmap s = black_surface(10, 10);
        testing::internal::CaptureStdout();
        s.DrawPolygon(c.count, pts.data(), 0, 0, ink, ink);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.log);
        EXPECT_EQ(surface_mask(s, color_black), surface_mask(black_surface(10, 10), color_black));
    }
    // Below debug level 1 the limits are silent.
    int saved = debug_level;
    debug_level = 0;
    testing::internal::CaptureStdout();
    xirr_bitmap s = black_surface(10, 10);
    s.DrawPolygon(2, pts.data(), 0, 0, ink, ink);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    debug_level = saved;
}

TEST(xirr_bitmap, polygon_of_999_points_is_drawn)
{
    std::vector<xirr_point> pts(999);
    for (int i = 0; i < 999; i++) {
        double a = 2 * 3.14159265358979 * i / 999;
        pts[i] = xirr_point{(int)(10 + 8 * cos(a)), (int)(10 + 8 * sin(a))};
    }
    xirr_bitmap s = black_surface(20, 20);
    testing::internal::CaptureStdout();
    s.DrawPolygon(999, pts.data(), 0, 0, color_white, ink);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(s.GetPixel(10, 10), ink);
    EXPECT_EQ(s.GetPixel(0, 0), color_black);
}

TEST(xirr_bitmap, polygon_fill_then_outline)
{
    // Edges count on the rows below their top, so the square's fill covers
    // rows 3..7 and the outline then covers its border.
    const xirr_point square[] = {{2, 2}, {7, 2}, {7, 7}, {2, 7}};
    xirr_bitmap s = black_surface(10, 10);
    s.DrawPolygon(4, square, 0, 0, color_white, ink);
    EXPECT_EQ(surface_mask(s, ink), "..........\n"
                                    "..........\n"
                                    "..........\n"
                                    "...####...\n"
                                    "...####...\n"
                                    "...####...\n"
                                    "...####...\n"
                                    "..........\n"
                                    "..........\n"
                                    "..........\n");
    EXPECT_EQ(surface_mask(s, color_white), "..........\n"
                                            "..........\n"
                                            "..######..\n"
                                            "..#....#..\n"
                                            "..#....#..\n"
                                            "..#....#..\n"
                                            "..#....#..\n"
                                            "..######..\n"
                                            "..........\n"
                                            "..........\n");

    // The offsets move both fill and outline.
    xirr_bitmap o = black_surface(10, 10);
    o.DrawPolygon(4, square, -2, 1, color_white, ink);
    EXPECT_EQ(surface_mask(o, color_white, 0, 3, 6, 6), "######\n#....#\n#....#\n#....#\n#....#\n"
                                                        "######\n");
    EXPECT_EQ(o.GetPixel(1, 4), ink);
}

TEST(xirr_bitmap, polygon_triangle_edges_have_the_outline_colour)
{
    const xirr_point tri[] = {{1, 1}, {8, 1}, {1, 8}};
    xirr_bitmap s = black_surface(10, 10);
    s.DrawPolygon(3, tri, 0, 0, color_white, ink);
    EXPECT_EQ(surface_mask(s, color_white), "..........\n"
                                            ".########.\n"
                                            ".#.....#..\n"
                                            ".#....#...\n"
                                            ".#...#....\n"
                                            ".#..#.....\n"
                                            ".#.#......\n"
                                            ".##.......\n"
                                            ".#........\n"
                                            "..........\n");
    EXPECT_EQ(surface_mask(s, ink), "..........\n"
                                    "..........\n"
                                    "..#####...\n"
                                    "..####....\n"
                                    "..###.....\n"
                                    "..##......\n"
                                    "..#.......\n"
                                    "..........\n"
                                    "..........\n"
                                    "..........\n");
}

TEST(xirr_bitmap, polygon_uses_the_even_odd_rule)
{
    // A five-pointed star: its centre pentagon is crossed twice, so unfilled.
    const xirr_point star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    xirr_bitmap s = black_surface(21, 21);
    s.DrawPolygon(5, star, 0, 0, color_white, ink);
    EXPECT_EQ(s.GetPixel(10, 11), color_black);
    EXPECT_EQ(s.GetPixel(10, 4), ink);
    EXPECT_EQ(s.GetPixel(3, 8), ink);
    EXPECT_EQ(s.GetPixel(17, 8), ink);
}

TEST(xirr_bitmap, polygon_reaching_far_outside_is_clipped_exactly)
{
    // Hypotenuse x = y from far above: row y is filled up to column y, which
    // the outline then covers.
    const xirr_point tri[] = {{-100000, -100000}, {10, 10}, {-100000, 10}};
    xirr_bitmap s = black_surface(6, 6);
    s.DrawPolygon(3, tri, 0, 0, color_white, ink);
    EXPECT_EQ(surface_mask(s, ink), "......\n#.....\n##....\n###...\n####..\n#####.\n");
    EXPECT_EQ(surface_mask(s, color_white), "#.....\n.#....\n..#...\n...#..\n....#.\n.....#\n");

    const xirr_point huge[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX},
                               {INT_MIN, INT_MAX}};
    xirr_bitmap h = black_surface(6, 6);
    h.DrawPolygon(4, huge, 5, -7, color_white, ink);
    EXPECT_EQ(surface_mask(h, ink), "######\n######\n######\n######\n######\n######\n");
}

TEST(xirr_bitmap, any_arguments_stay_inside_the_surface)
{
    // Coordinates near the surface, far away and at the ends of the int
    // range; a write outside the buffer shows under the address sanitizer,
    // and the surface's alpha (which no primitive here writes) must survive.
    std::mt19937 rng(99);
    const int extremes[] = {INT_MIN, INT_MIN + 1, -1000000, -2, -1, 0, 1, 6, 7, 8, 1000000,
                            INT_MAX - 1, INT_MAX};
    auto arg = [&]() {
        switch (rng() % 3) {
        case 0: return extremes[rng() % (sizeof extremes / sizeof extremes[0])];
        case 1: return (int)(rng() % 30) - 10;
        default: return (int)rng();
        }
    };
    xirr_bitmap glyph(3, 4);
    glyph.Clear(rgb_color(0, 200, 0));
    xirr_bitmap s(7, 5);
    s.Clear(color_black);
    for (int y = 0; y < 5; y++)
        for (int x = 0; x < 7; x++)
            s.row(y)[4 * x + 3] = 77;
    for (int i = 0; i < 3000; i++) {
        int a = arg(), b = arg(), c = arg(), d = arg(), e = arg();
        rgb_color col(arg(), arg(), arg());
        xirr_point pts[4] = {{a, b}, {c, d}, {e, a}, {b, c}};
        switch (i % 13) {
        case 0: s.SetPixel(a, b, col); break;
        case 1: s.DrawLine(a, b, c, d, col); break;
        case 2: s.DrawGradientLine(a, b, c, d, col, color_white); break;
        case 3: s.DrawFilledRectangle(a, b, c, d, col); break;
        case 4: s.DrawXGradientRectangle(a, b, c, d, col, color_white); break;
        case 5: s.DrawYGradientRectangle(a, b, c, d, col, color_white); break;
        case 6: s.DrawFilledCircle(a, b, c, col); break;
        case 7: s.DrawPolygon(3 + i % 2, pts, e, a, col, color_white); break;
        case 8: s.DrawBitmap(glyph, a, b); break;
        case 9: s.DrawTextGlyphTransparent(glyph, a, b, col); break;
        case 10: s.DrawEdgeLines(a, b, c, &col); break;
        case 11: s.DrawValueBar(a, b, c, d, e, col, col); break;
        case 12: s.DrawRoundedFrame(col, a, b); break;
        }
    }
    for (int y = 0; y < 5; y++)
        for (int x = 0; x < 7; x++)
            ASSERT_EQ(s.GetAlpha(x, y), 77) << x << "," << y;
}
