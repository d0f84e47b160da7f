#include "tests/common/surface_text.h"

#include "draw/xirr_bitmap.h"

std::string surface_mask(const xirr_bitmap &surface, const rgb_color &c, int x, int y, int width,
                         int height)
{
    std::string out;
    for (int j = y; j < y + height; j++) {
        for (int i = x; i < x + width; i++)
            out += surface.GetPixel(i, j) == c ? '#' : '.';
        out += '\n';
    }
    return out;
}

std::string surface_mask(const xirr_bitmap &surface, const rgb_color &c)
{
    return surface_mask(surface, c, 0, 0, surface.GetWidth(), surface.GetHeight());
}

std::string color_text(const rgb_color &c)
{
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

std::string pixel_text(const xirr_bitmap &surface, int x, int y)
{
    return color_text(surface.GetPixel(x, y));
}
