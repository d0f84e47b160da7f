#ifndef SKIFF_TESTS_COMMON_SURFACE_TEXT_H
#define SKIFF_TESTS_COMMON_SURFACE_TEXT_H

#include <string>

#include "draw/rgb_color.h"

class xirr_bitmap;

// The surface as text for readable pixel tests: one line per row ending in
// "\n", '#' where the pixel has colour c and '.' elsewhere.
std::string surface_mask(const xirr_bitmap &surface, const rgb_color &c);

// The same for a part of the surface (x, y, width, height).
std::string surface_mask(const xirr_bitmap &surface, const rgb_color &c, int x, int y, int width,
                         int height);

// "r,g,b" of one pixel, for readable failures.
std::string pixel_text(const xirr_bitmap &surface, int x, int y);
std::string color_text(const rgb_color &c);

#endif
