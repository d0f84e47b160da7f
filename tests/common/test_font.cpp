#include "tests/common/test_font.h"

#include "draw/rgb_color.h"
#include "draw/xirr_bitmap.h"

bool test_font_source::measure_glyph(int c, int *width, int *height)
{
    if (c < 32 || c > 126)
        return false;
    *width = cell_width(c);
    *height = height_;
    return true;
}

bool test_font_source::ink(int c, int x, int y)
{
    if (c == 32 || x < 1 || x > 4 || y < 1 || y > 8)
        return false;
    int bit = ((y - 1) % 2) * 4 + (x - 1);
    return (c >> bit) & 1;
}

bool test_font_source::render_glyph(int c, xirr_bitmap &surface)
{
    for (int y = 0; y < surface.GetHeight(); y++)
        for (int x = 0; x < surface.GetWidth(); x++)
            if (ink(c, x, y))
                surface.SetPixel(x, y, color_white);
    return true;
}
