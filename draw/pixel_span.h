#ifndef SKIFF_DRAW_PIXEL_SPAN_H
#define SKIFF_DRAW_PIXEL_SPAN_H

// Inner loops shared by the xirr_bitmap primitives: pixels as 32-bit words in
// memory order (red, green, blue, alpha), so a fill can keep each pixel's
// alpha with one mask whatever the machine's byte order.

#include "draw/rgb_color.h"

#include <cstdint>
#include <cstring>

inline uint32_t pack_pixel(int r, int g, int b, int a)
{
    unsigned char bytes[4] = {(unsigned char)r, (unsigned char)g, (unsigned char)b,
                              (unsigned char)a};
    uint32_t v;
    memcpy(&v, bytes, 4);
    return v;
}

inline uint32_t pixel_alpha_mask()
{
    return pack_pixel(0, 0, 0, 255);
}

// The colour's low 8 bits per channel, alpha 0.
inline uint32_t color_word(const rgb_color &c)
{
    return pack_pixel(c.red & 255, c.green & 255, c.blue & 255, 0);
}

// Writes the colour word into n pixels, keeping each pixel's alpha; four
// pixels a step where the compiler offers vectors.
inline void fill_span(unsigned char *p, int n, uint32_t rgb)
{
    const uint32_t keep = pixel_alpha_mask();
    int i = 0;
#if defined(__GNUC__)
    typedef uint32_t quad __attribute__((vector_size(16)));
    const quad keep4 = {keep, keep, keep, keep};
    const quad rgb4 = {rgb, rgb, rgb, rgb};
    for (; i + 4 <= n; i += 4) {
        quad v;
        memcpy(&v, p + 4 * i, 16);
        v = (v & keep4) | rgb4;
        memcpy(p + 4 * i, &v, 16);
    }
#endif
    for (; i < n; i++) {
        uint32_t v;
        memcpy(&v, p + 4 * i, 4);
        v = (v & keep) | rgb;
        memcpy(p + 4 * i, &v, 4);
    }
}

#endif
