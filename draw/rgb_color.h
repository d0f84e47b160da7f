#ifndef SKIFF_DRAW_RGB_COLOR_H
#define SKIFF_DRAW_RGB_COLOR_H

// A colour as three channels, each meant to be 0 to 255.  The drawing
// primitives store only the low 8 bits of each channel, so out-of-range
// values never reach a pixel as anything but a byte.
struct rgb_color {
    int red;
    int green;
    int blue;

    constexpr rgb_color() : red(0), green(0), blue(0) {}
    constexpr rgb_color(int r, int g, int b) : red(r), green(g), blue(b) {}

    // From a 0xRRGGBB palette value.
    static constexpr rgb_color from_rgb24(unsigned int v)
    {
        return rgb_color((v >> 16) & 255, (v >> 8) & 255, v & 255);
    }
    constexpr bool operator==(const rgb_color &o) const
    {
        return red == o.red && green == o.green && blue == o.blue;
    }
    constexpr bool operator!=(const rgb_color &o) const { return !(*this == o); }
};

// The named colours every panel shares (constant from the start, so usable
// in any static initialiser).
inline constexpr rgb_color color_red(255, 0, 0);
inline constexpr rgb_color color_yellow(255, 255, 0);
inline constexpr rgb_color color_green(0, 255, 0);
inline constexpr rgb_color color_cyan(0, 255, 255);
inline constexpr rgb_color color_blue(0, 0, 255);
inline constexpr rgb_color color_magenta(255, 0, 255);
inline constexpr rgb_color color_black(0, 0, 0);
inline constexpr rgb_color color_grey64(64, 64, 64);
inline constexpr rgb_color color_grey128(128, 128, 128);
inline constexpr rgb_color color_grey192(192, 192, 192);
inline constexpr rgb_color color_white(255, 255, 255);

#endif
