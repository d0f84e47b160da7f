#include <gtest/gtest.h>

#include "draw/button_images.h"
#include "draw/xirr_bitmap.h"

TEST(button_bevel, light_and_dark_of_80_0_0)
{
    rgb_color face(80, 0, 0);
    EXPECT_EQ(bevel_light_color(face), rgb_color(168, 48, 48));
    EXPECT_EQ(bevel_dark_color(face), rgb_color(40, 0, 0));
    // The light colour saturates at 255.
    EXPECT_EQ(bevel_light_color(rgb_color(255, 200, 107)), rgb_color(255, 255, 208));
}

namespace {

// 'F' face, 'L' light, 'D' dark, per pixel of a 20 x 20 raised bevel.
char expected_raised(int x, int y)
{
    const int last = 19;
    if (x == 0 && y == 0)
        return 'F';
    // Second group, drawn last.
    if (x == last && y >= 1)
        return 'D';
    if (x == last - 1 && y >= 2 && y <= last - 1)
        return 'D';
    if (y == last && x >= 1)
        return 'D';
    if (y == last - 1 && x >= 2 && x <= last - 1)
        return 'D';
    // First group.
    if (x == 0 && y >= 1)
        return 'L';
    if (x == 1 && y >= 1 && y <= last - 1)
        return 'L';
    if (y == 0 && x >= 1)
        return 'L';
    if (y == 1 && x >= 1 && x <= last - 1)
        return 'L';
    return 'F';
}

} // namespace

TEST(button_bevel, raised_20_by_20_pixel_by_pixel)
{
    rgb_color face(80, 0, 0);
    rgb_color light(168, 48, 48), dark(40, 0, 0);
    xirr_bitmap s(20, 20);
    paint_face(s, face, bevel_raised);
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++) {
            char want = expected_raised(x, y);
            const rgb_color &c = want == 'L' ? light : want == 'D' ? dark : face;
            ASSERT_EQ(s.GetPixel(x, y), c) << "at " << x << "," << y << " want " << want;
        }
    EXPECT_EQ(s.GetPixel(19, 0), light);
    EXPECT_EQ(s.GetPixel(0, 19), light);
    EXPECT_EQ(s.GetPixel(19, 19), dark);
}

TEST(button_bevel, sunken_swaps_the_colours_and_flat_draws_none)
{
    rgb_color face(80, 0, 0);
    xirr_bitmap raised(20, 20), sunken(20, 20), flat(20, 20);
    paint_face(raised, face, bevel_raised);
    paint_face(sunken, face, bevel_sunken);
    paint_face(flat, face, bevel_flat);
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++) {
            rgb_color r = raised.GetPixel(x, y);
            rgb_color swapped = r == bevel_light_color(face)  ? bevel_dark_color(face)
                                : r == bevel_dark_color(face) ? bevel_light_color(face)
                                                              : face;
            ASSERT_EQ(sunken.GetPixel(x, y), swapped) << x << "," << y;
            ASSERT_EQ(flat.GetPixel(x, y), face);
        }
}
