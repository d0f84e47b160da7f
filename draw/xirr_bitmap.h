#ifndef SKIFF_DRAW_XIRR_BITMAP_H
#define SKIFF_DRAW_XIRR_BITMAP_H

#include "draw/rgb_color.h"

#include <cstdint>

class xirr_glyph_font;

// One vertex of a polygon.
struct xirr_point {
    int x;
    int y;
};

// The pixel surface every panel, button image, glyph and decoded picture
// lives in.  It owns a plain RGBA buffer (4 bytes per pixel: red, green,
// blue, alpha; rows top to bottom, stride() bytes apart) and is handed to
// the toolkit only to blit it (draw/surface_transfer.h).
//
// Every primitive clips to the surface and never writes outside it, whatever
// its arguments.  Primitives write red, green and blue and leave alpha alone;
// only ClearAlpha, Clear and DrawTextGlyph make pixels opaque.  A surface
// without pixels (a size below 1 x 1 or too large to allocate) draws nothing
// and logs "pixel data failed?" at debug level 2 or above.
//
// GUI thread only (glyph surfaces of built fonts are read-only and may be
// read anywhere).
class xirr_bitmap {
public:
    // Largest width or height accepted; larger surfaces are refused.
    static const int max_side = 32767;

    // 16 x 16, opaque, colour content undefined.
    xirr_bitmap();
    // width x height, opaque, colour content undefined.
    xirr_bitmap(int width, int height);
    xirr_bitmap(const xirr_bitmap &other);
    xirr_bitmap &operator=(const xirr_bitmap &other);
    xirr_bitmap(xirr_bitmap &&other) noexcept;
    xirr_bitmap &operator=(xirr_bitmap &&other) noexcept;
    ~xirr_bitmap();

    // Re-creates the surface at a new size, opaque, colour content undefined.
    // False (and a surface without pixels) when either side is below 1, above
    // max_side, or the memory is not there.
    bool Create(int width, int height);
    // Takes width x height pixels of tightly packed RGB (3 bytes a pixel)
    // and an optional alpha plane (opaque when null), as a decoded image
    // gives them.  False when the size is refused.
    bool assign_planes(int width, int height, const unsigned char *rgb,
                       const unsigned char *alpha);

    bool IsOk() const { return pixels_ != nullptr; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    // Bytes from one row to the next.
    int stride() const { return width_ * 4; }
    unsigned char *pixels() { return pixels_; }
    const unsigned char *pixels() const { return pixels_; }
    // Row y (0 <= y < height), no check.
    unsigned char *row(int y) { return pixels_ + (long)y * stride(); }
    const unsigned char *row(int y) const { return pixels_ + (long)y * stride(); }

    // The colour at (x, y); black when outside the surface.
    rgb_color GetPixel(int x, int y) const;
    // The alpha at (x, y); 0 when outside the surface.
    int GetAlpha(int x, int y) const;

    void ClearAlpha();
    void Clear(const rgb_color &c);
    void SetPixel(int x, int y, const rgb_color &c);
    void SetPixel(int x, int y, int red, int green, int blue);

    // Bresenham, both end points drawn; the same pixels in either direction.
    void DrawLine(int x1, int y1, int x2, int y2, const rgb_color &c);
    // Walks from (x1, y1) to (x2, y2); the colour ramps in 8.8 fixed point
    // and stops one step short of the end colour.
    void DrawGradientLine(int x1, int y1, int x2, int y2, const rgb_color &start,
                          const rgb_color &end);

    // Corners inclusive, in any order.
    void DrawFilledRectangle(int x1, int y1, int x2, int y2, const rgb_color &c);
    // The end colours act as virtual columns (rows) just outside the
    // rectangle, so neither is drawn exactly.
    void DrawXGradientRectangle(int x1, int y1, int x2, int y2, const rgb_color &left,
                                const rgb_color &right);
    void DrawYGradientRectangle(int x1, int y1, int x2, int y2, const rgb_color &top,
                                const rgb_color &bottom);
    // Rows cy-r .. cy+r with half-widths isqrt(r * (r + 1) - dy * dy).
    void DrawFilledCircle(int cx, int cy, int radius, const rgb_color &c);
    // Even-odd scanline fill, then the outline.  3 to 999 points; otherwise
    // logs an error (debug level 1 or above) and draws nothing.
    void DrawPolygon(int count, const xirr_point *points, int x_offset, int y_offset,
                     const rgb_color &outline, const rgb_color &fill);

    // Copies the source's colour to (x, y); alpha of both stays out of it.
    void DrawBitmap(const xirr_bitmap &src, int x, int y);
    // Composites the source over black by its alpha: channel * alpha / 256.
    void DrawBitmapNukeAlpha(const xirr_bitmap &src, int x, int y);

    // A glyph cell (ink coverage in the green channel) blended between bg
    // and ink; the cell becomes opaque.
    void DrawTextGlyph(const xirr_bitmap &glyph, int x, int y, const rgb_color &ink,
                       const rgb_color &bg);
    // Only the inked pixels, blended over what is there.
    void DrawTextGlyphTransparent(const xirr_bitmap &glyph, int x, int y, const rgb_color &ink);

    // Text from the font's glyph table, y at the top of the cells.  A
    // character is drawn as the glyph of (code AND 127); one without a glyph
    // is skipped and does not advance.  Nothing is drawn for a null text or
    // when x or y lies beyond the surface's width or height.  Returns the x
    // after the last glyph.  The forms with a length draw at most that many
    // bytes, stopping early at a zero byte.
    int DrawText(const xirr_glyph_font &font, const char *text, int x, int y,
                 const rgb_color &ink, const rgb_color &bg);
    int DrawText(const xirr_glyph_font &font, const char *text, int length, int x, int y,
                 const rgb_color &ink, const rgb_color &bg);
    int DrawTextTransparent(const xirr_glyph_font &font, const char *text, int x, int y,
                            const rgb_color &ink);
    int DrawTextTransparent(const xirr_glyph_font &font, const char *text, int length, int x,
                            int y, const rgb_color &ink);
    // As glyph_text_extent (xirr_glyph_font.h).
    void GetTextExtent(const xirr_glyph_font &font, const char *text, int *width,
                       int *height) const;

    // A 1-pixel frame over 0,0 .. w-1,h-1 whose four corner pixels are black.
    void DrawRoundedFrame(const rgb_color &c, int width, int height);
    // Edge bits of a panel: 1 top, 2 right, 4 bottom, 8 left.  Without a
    // colour the first colour is white and the second (column 1 of the left
    // edge) grey 128.
    enum { edge_top = 1, edge_right = 2, edge_bottom = 4, edge_left = 8 };
    void DrawEdgeLines(int width, int height, int bits, const rgb_color *c = nullptr);
    // A status bar: white frame lines, a white middle line, and `filled`
    // columns of fill (from the right end when negative) with edge-coloured
    // top and bottom rows.
    void DrawValueBar(int x, int y, int width, int height, int filled, const rgb_color &fill,
                      const rgb_color &edge);
    // The value bar's frame lines alone.
    void DrawBarFrame(int x, int y, int width, int height);

private:
    bool check_pixels(const char *operation) const;
    // check_pixels for a blit: names the side (dest or src) without pixels.
    bool check_blit(const xirr_bitmap &src, const char *operation) const;
    // DrawTextGlyph with the colour of every coverage value precomputed.
    void draw_glyph_table(const xirr_bitmap &glyph, int x, int y, const uint32_t *table);
    void release();

    unsigned char *pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

#endif
