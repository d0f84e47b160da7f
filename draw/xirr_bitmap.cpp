#include "draw/xirr_bitmap.h"

#include "draw/pixel_span.h"
#include "draw/xirr_glyph_font.h"
#include "support/debug_log.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

const uint32_t alpha_mask = pixel_alpha_mask();

long long clamp_ll(long long v, long long lo, long long hi)
{
    return v < lo ? lo : v > hi ? hi : v;
}

// Coordinates computed in 64 bits and passed on to an int primitive; only
// absurd arguments are affected, and only on lines parallel to an axis.
int to_coord(long long v)
{
    return (int)clamp_ll(v, INT_MIN / 2, INT_MAX / 2);
}

// The part of a src_w x src_h source placed at (x, y) that lands on a
// dst_w x dst_h surface.
struct blit_clip {
    int sx, sy, dx, dy, w, h;
    bool empty() const { return w <= 0 || h <= 0; }
};

blit_clip clip_blit(int src_w, int src_h, int dst_w, int dst_h, int x, int y)
{
    long long sx = x < 0 ? -(long long)x : 0;
    long long sy = y < 0 ? -(long long)y : 0;
    long long dx = x + sx, dy = y + sy;
    long long w = src_w - sx < dst_w - dx ? src_w - sx : dst_w - dx;
    long long h = src_h - sy < dst_h - dy ? src_h - sy : dst_h - dy;
    if (w <= 0 || h <= 0)
        return blit_clip{0, 0, 0, 0, 0, 0};
    return blit_clip{(int)sx, (int)sy, (int)dx, (int)dy, (int)w, (int)h};
}

}  // namespace

// ---- construction --------------------------------------------------------

xirr_bitmap::xirr_bitmap()
{
    Create(16, 16);
}

xirr_bitmap::xirr_bitmap(int width, int height)
{
    Create(width, height);
}

xirr_bitmap::xirr_bitmap(const xirr_bitmap &other)
{
    *this = other;
}

xirr_bitmap &xirr_bitmap::operator=(const xirr_bitmap &other)
{
    if (this == &other)
        return *this;
    if (!other.IsOk()) {
        release();
        return *this;
    }
    if (width_ != other.width_ || height_ != other.height_ || !IsOk())
        Create(other.width_, other.height_);
    if (IsOk())
        memcpy(pixels_, other.pixels_, (size_t)stride() * height_);
    return *this;
}

xirr_bitmap::xirr_bitmap(xirr_bitmap &&other) noexcept
    : pixels_(other.pixels_), width_(other.width_), height_(other.height_)
{
    other.pixels_ = nullptr;
    other.width_ = other.height_ = 0;
}

xirr_bitmap &xirr_bitmap::operator=(xirr_bitmap &&other) noexcept
{
    if (this != &other) {
        release();
        pixels_ = other.pixels_;
        width_ = other.width_;
        height_ = other.height_;
        other.pixels_ = nullptr;
        other.width_ = other.height_ = 0;
    }
    return *this;
}

xirr_bitmap::~xirr_bitmap()
{
    release();
}

void xirr_bitmap::release()
{
    free(pixels_);
    pixels_ = nullptr;
    width_ = height_ = 0;
}

bool xirr_bitmap::Create(int width, int height)
{
    release();
    if (width < 1 || height < 1 || width > max_side || height > max_side)
        return false;
    // Zeroed rather than left as it comes, so a panel that misses a pixel
    // shows black instead of stale memory.
    pixels_ = (unsigned char *)calloc((size_t)width * height, 4);
    if (!pixels_)
        return false;
    width_ = width;
    height_ = height;
    ClearAlpha();
    return true;
}

bool xirr_bitmap::assign_planes(int width, int height, const unsigned char *rgb,
                                const unsigned char *alpha)
{
    if (!rgb || !Create(width, height))
        return false;
    size_t n = (size_t)width * height;
    unsigned char *p = pixels_;
    for (size_t i = 0; i < n; i++, p += 4, rgb += 3) {
        p[0] = rgb[0];
        p[1] = rgb[1];
        p[2] = rgb[2];
        p[3] = alpha ? alpha[i] : 255;
    }
    return true;
}

bool xirr_bitmap::check_pixels(const char *operation) const
{
    if (pixels_)
        return true;
    if (debug_level > 1)
        debug_log("Error in xirr_bitmap::%s(), pixel data failed?\n", operation);
    return false;
}

bool xirr_bitmap::check_blit(const xirr_bitmap &src, const char *operation) const
{
    const char *missing = !pixels_ ? "dest" : !src.pixels_ ? "src" : nullptr;
    if (!missing)
        return true;
    if (debug_level > 1)
        debug_log("Error in xirr_bitmap::%s(), pixel data %s failed?\n", operation, missing);
    return false;
}

// ---- pixels and fills ----------------------------------------------------

rgb_color xirr_bitmap::GetPixel(int x, int y) const
{
    if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return rgb_color();
    const unsigned char *p = row(y) + 4 * x;
    return rgb_color(p[0], p[1], p[2]);
}

int xirr_bitmap::GetAlpha(int x, int y) const
{
    if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return row(y)[4 * x + 3];
}

void xirr_bitmap::ClearAlpha()
{
    if (!check_pixels("ClearAlpha"))
        return;
    size_t n = (size_t)width_ * height_;
    for (size_t i = 0; i < n; i++)
        pixels_[4 * i + 3] = 255;
}

void xirr_bitmap::Clear(const rgb_color &c)
{
    if (!check_pixels("Clear"))
        return;
    uint32_t v = color_word(c) | alpha_mask;
    unsigned char *first = pixels_;
    for (int x = 0; x < width_; x++)
        memcpy(first + 4 * x, &v, 4);
    for (int y = 1; y < height_; y++)
        memcpy(row(y), first, stride());
}

void xirr_bitmap::SetPixel(int x, int y, int red, int green, int blue)
{
    if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    unsigned char *p = row(y) + 4 * x;
    p[0] = (unsigned char)red;
    p[1] = (unsigned char)green;
    p[2] = (unsigned char)blue;
}

void xirr_bitmap::SetPixel(int x, int y, const rgb_color &c)
{
    SetPixel(x, y, c.red, c.green, c.blue);
}

void xirr_bitmap::DrawFilledRectangle(int x1, int y1, int x2, int y2, const rgb_color &c)
{
    if (!check_pixels("DrawFilledRectangle"))
        return;
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 < 0 || y2 < 0 || x1 >= width_ || y1 >= height_)
        return;
    x1 = x1 < 0 ? 0 : x1;
    y1 = y1 < 0 ? 0 : y1;
    x2 = x2 >= width_ ? width_ - 1 : x2;
    y2 = y2 >= height_ ? height_ - 1 : y2;
    uint32_t rgb = color_word(c);
    for (int y = y1; y <= y2; y++)
        fill_span(row(y) + 4 * x1, x2 - x1 + 1, rgb);
}

// The colours of a gradient: entry k is the 8.8 ramp's high byte after k + 1
// steps, for k from 0 to count - 1.  The ramp starts at the first visible
// column or row, wherever the rectangle begins.
static std::vector<uint32_t> gradient_ramp(const rgb_color &from, const rgb_color &to,
                                           long long span, int count)
{
    const int a[3] = {from.red, from.green, from.blue};
    const int b[3] = {to.red, to.green, to.blue};
    long long start[3], step[3];
    for (int ch = 0; ch < 3; ch++) {
        start[ch] = (long long)a[ch] * 256;
        step[ch] = ((long long)b[ch] * 256 - start[ch]) / (span + 1);
    }
    std::vector<uint32_t> ramp(count);
    for (int k = 0; k < count; k++) {
        int v[3];
        for (int ch = 0; ch < 3; ch++)
            v[ch] = (int)(((start[ch] + (k + 1) * step[ch]) >> 8) & 255);
        ramp[k] = pack_pixel(v[0], v[1], v[2], 0);
    }
    return ramp;
}

void xirr_bitmap::DrawXGradientRectangle(int x1, int y1, int x2, int y2, const rgb_color &left,
                                         const rgb_color &right)
{
    if (!check_pixels("DrawXGradientRectangle"))
        return;
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 < 0 || y2 < 0 || x1 >= width_ || y1 >= height_)
        return;
    // (x2 - x1 + 2) steps span the two virtual end columns.
    long long span = (long long)x2 - x1 + 1;
    x1 = x1 < 0 ? 0 : x1;
    y1 = y1 < 0 ? 0 : y1;
    x2 = x2 >= width_ ? width_ - 1 : x2;
    y2 = y2 >= height_ ? height_ - 1 : y2;
    int n = x2 - x1 + 1;
    std::vector<uint32_t> ramp = gradient_ramp(left, right, span, n);
    for (int y = y1; y <= y2; y++) {
        unsigned char *p = row(y) + 4 * x1;
        for (int k = 0; k < n; k++) {
            uint32_t v;
            memcpy(&v, p + 4 * k, 4);
            v = (v & alpha_mask) | ramp[k];
            memcpy(p + 4 * k, &v, 4);
        }
    }
}

void xirr_bitmap::DrawYGradientRectangle(int x1, int y1, int x2, int y2, const rgb_color &top,
                                         const rgb_color &bottom)
{
    if (!check_pixels("DrawYGradientRectangle"))
        return;
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 < 0 || y2 < 0 || x1 >= width_ || y1 >= height_)
        return;
    long long span = (long long)y2 - y1 + 1;
    x1 = x1 < 0 ? 0 : x1;
    y1 = y1 < 0 ? 0 : y1;
    x2 = x2 >= width_ ? width_ - 1 : x2;
    y2 = y2 >= height_ ? height_ - 1 : y2;
    std::vector<uint32_t> ramp = gradient_ramp(top, bottom, span, y2 - y1 + 1);
    for (int y = y1; y <= y2; y++)
        fill_span(row(y) + 4 * x1, x2 - x1 + 1, ramp[y - y1]);
}

// ---- blits and glyphs ----------------------------------------------------

void xirr_bitmap::DrawBitmap(const xirr_bitmap &src, int x, int y)
{
    if (!check_blit(src, "DrawBitmap"))
        return;
    blit_clip k = clip_blit(src.width_, src.height_, width_, height_, x, y);
    for (int j = 0; j < k.h; j++) {
        const unsigned char *s = src.row(k.sy + j) + 4 * k.sx;
        unsigned char *d = row(k.dy + j) + 4 * k.dx;
        for (int i = 0; i < k.w; i++) {
            uint32_t sv, dv;
            memcpy(&sv, s + 4 * i, 4);
            memcpy(&dv, d + 4 * i, 4);
            dv = (dv & alpha_mask) | (sv & ~alpha_mask);
            memcpy(d + 4 * i, &dv, 4);
        }
    }
}

void xirr_bitmap::DrawBitmapNukeAlpha(const xirr_bitmap &src, int x, int y)
{
    if (!check_blit(src, "DrawBitmapNukeAlpha"))
        return;
    blit_clip k = clip_blit(src.width_, src.height_, width_, height_, x, y);
    for (int j = 0; j < k.h; j++) {
        const unsigned char *s = src.row(k.sy + j) + 4 * k.sx;
        unsigned char *d = row(k.dy + j) + 4 * k.dx;
        for (int i = 0; i < k.w; i++, s += 4, d += 4) {
            int a = s[3];
            d[0] = (unsigned char)((s[0] * a) >> 8);
            d[1] = (unsigned char)((s[1] * a) >> 8);
            d[2] = (unsigned char)((s[2] * a) >> 8);
        }
    }
}

void xirr_bitmap::DrawTextGlyph(const xirr_bitmap &glyph, int x, int y, const rgb_color &ink,
                                const rgb_color &bg)
{
    if (!check_blit(glyph, "DrawTextGlyph"))
        return;
    blit_clip k = clip_blit(glyph.width_, glyph.height_, width_, height_, x, y);
    const int in[3] = {ink.red & 255, ink.green & 255, ink.blue & 255};
    const int bk[3] = {bg.red & 255, bg.green & 255, bg.blue & 255};
    for (int j = 0; j < k.h; j++) {
        const unsigned char *s = glyph.row(k.sy + j) + 4 * k.sx;
        unsigned char *d = row(k.dy + j) + 4 * k.dx;
        for (int i = 0; i < k.w; i++, s += 4, d += 4) {
            int a = s[1];
            for (int ch = 0; ch < 3; ch++)
                d[ch] = (unsigned char)(a == 0 ? bk[ch] : (bk[ch] * (255 - a) + in[ch] * a) >> 8);
            d[3] = 255;
        }
    }
}

void xirr_bitmap::DrawTextGlyphTransparent(const xirr_bitmap &glyph, int x, int y,
                                           const rgb_color &ink)
{
    if (!check_blit(glyph, "DrawTextGlyphTransparent"))
        return;
    blit_clip k = clip_blit(glyph.width_, glyph.height_, width_, height_, x, y);
    const int in[3] = {ink.red & 255, ink.green & 255, ink.blue & 255};
    for (int j = 0; j < k.h; j++) {
        const unsigned char *s = glyph.row(k.sy + j) + 4 * k.sx;
        unsigned char *d = row(k.dy + j) + 4 * k.dx;
        for (int i = 0; i < k.w; i++, s += 4, d += 4) {
            int a = s[1];
            if (a == 0)
                continue;
            for (int ch = 0; ch < 3; ch++)
                d[ch] = (unsigned char)((d[ch] * (255 - a) + in[ch] * a) >> 8);
        }
    }
}

// ---- text ----------------------------------------------------------------

// The opaque pixel DrawTextGlyph makes of each coverage value, built once per
// text so every glyph pixel is one table look-up.
static void glyph_colors(const rgb_color &ink, const rgb_color &bg, uint32_t table[256])
{
    const int in[3] = {ink.red & 255, ink.green & 255, ink.blue & 255};
    const int bk[3] = {bg.red & 255, bg.green & 255, bg.blue & 255};
    table[0] = pack_pixel(bk[0], bk[1], bk[2], 255);
    for (int a = 1; a < 256; a++) {
        int v[3];
        for (int ch = 0; ch < 3; ch++)
            v[ch] = (bk[ch] * (255 - a) + in[ch] * a) >> 8;
        table[a] = pack_pixel(v[0], v[1], v[2], 255);
    }
}

void xirr_bitmap::draw_glyph_table(const xirr_bitmap &glyph, int x, int y, const uint32_t *table)
{
    if (!check_blit(glyph, "DrawTextGlyph"))
        return;
    blit_clip k = clip_blit(glyph.width_, glyph.height_, width_, height_, x, y);
    for (int j = 0; j < k.h; j++) {
        const unsigned char *s = glyph.row(k.sy + j) + 4 * k.sx;
        unsigned char *d = row(k.dy + j) + 4 * k.dx;
        for (int i = 0; i < k.w; i++)
            memcpy(d + 4 * i, &table[s[4 * i + 1]], 4);
    }
}

namespace {

// Walks the text's glyphs; draw(glyph, x) is called for each glyph that can
// still show.  Returns the x after the last glyph, saturated to the int range.
template <typename F>
int walk_glyphs(const xirr_glyph_font &font, const char *text, int length, int x, int limit,
                F draw)
{
    long long pos = x;
    for (int i = 0; (length < 0 || i < length) && text[i]; i++) {
        const xirr_bitmap *g = font.glyph((unsigned char)text[i] & 127);
        if (!g)
            continue;
        if (pos < limit && pos + g->GetWidth() > 0)
            draw(*g, (int)pos);
        if (pos < INT_MAX)
            pos += g->GetWidth();
    }
    return pos < INT_MAX ? (int)pos : INT_MAX;
}

}  // namespace

int xirr_bitmap::DrawText(const xirr_glyph_font &font, const char *text, int length, int x, int y,
                          const rgb_color &ink, const rgb_color &bg)
{
    if (!text || y > height_ || x > width_)
        return x;
    uint32_t table[256];
    glyph_colors(ink, bg, table);
    return walk_glyphs(font, text, length, x, width_, [&](const xirr_bitmap &g, int gx) {
        draw_glyph_table(g, gx, y, table);
    });
}

int xirr_bitmap::DrawText(const xirr_glyph_font &font, const char *text, int x, int y,
                          const rgb_color &ink, const rgb_color &bg)
{
    return DrawText(font, text, -1, x, y, ink, bg);
}

int xirr_bitmap::DrawTextTransparent(const xirr_glyph_font &font, const char *text, int length,
                                     int x, int y, const rgb_color &ink)
{
    if (!text || y > height_ || x > width_)
        return x;
    return walk_glyphs(font, text, length, x, width_, [&](const xirr_bitmap &g, int gx) {
        DrawTextGlyphTransparent(g, gx, y, ink);
    });
}

int xirr_bitmap::DrawTextTransparent(const xirr_glyph_font &font, const char *text, int x, int y,
                                     const rgb_color &ink)
{
    return DrawTextTransparent(font, text, -1, x, y, ink);
}

void xirr_bitmap::GetTextExtent(const xirr_glyph_font &font, const char *text, int *width,
                                int *height) const
{
    glyph_text_extent(&font, text, width, height);
}

// ---- frames and bars -----------------------------------------------------

void xirr_bitmap::DrawRoundedFrame(const rgb_color &c, int width, int height)
{
    int r = to_coord((long long)width - 1), b = to_coord((long long)height - 1);
    DrawLine(0, 1, 0, b, c);
    DrawLine(1, 0, r, 0, c);
    DrawLine(r, 1, r, b, c);
    DrawLine(1, b, r, b, c);
    SetPixel(0, 0, color_black);
    SetPixel(r, 0, color_black);
    SetPixel(0, b, color_black);
    SetPixel(r, b, color_black);
}

void xirr_bitmap::DrawEdgeLines(int width, int height, int bits, const rgb_color *c)
{
    const rgb_color first = c ? *c : color_white;
    const rgb_color second = c ? *c : color_grey128;
    int w = to_coord(width), h = to_coord(height);
    if (bits & edge_left) {
        DrawLine(0, 0, 0, h, first);
        DrawLine(1, 0, 1, h, second);
    }
    if (bits & edge_right) {
        DrawLine(w - 1, 0, w - 1, h, first);
        DrawLine(w - 2, 0, w - 2, h, first);
    }
    if (bits & edge_top)
        DrawLine(0, 0, w, 0, first);
    if (bits & edge_bottom)
        DrawLine(0, h - 1, w, h - 1, first);
}

void xirr_bitmap::DrawBarFrame(int x, int y, int width, int height)
{
    long long l = (long long)x - 1, r = (long long)x + width;
    long long t = (long long)y - 1, b = (long long)y + height;
    long long mid = (long long)y + height / 2;
    DrawLine(to_coord(l), to_coord(t), to_coord(l), to_coord(b), color_white);
    DrawLine(to_coord(r), to_coord(t), to_coord(r), to_coord(b), color_white);
    DrawLine(to_coord(l), to_coord(mid), to_coord(r - 1), to_coord(mid), color_white);
}

void xirr_bitmap::DrawValueBar(int x, int y, int width, int height, int filled,
                               const rgb_color &fill, const rgb_color &edge)
{
    DrawBarFrame(x, y, width, height);
    if (width <= 0 || height <= 0 || filled == 0)
        return;
    // A fill wider than the bar would spill over the frame: keep it inside.
    long long n = filled < 0 ? -(long long)filled : filled;
    n = n > width ? width : n;
    long long left = filled > 0 ? x : (long long)x + width - n;
    long long right = left + n - 1;
    long long top = y, bottom = (long long)y + height - 1;
    DrawFilledRectangle(to_coord(left), to_coord(top), to_coord(right), to_coord(bottom), fill);
    DrawLine(to_coord(left), to_coord(top), to_coord(right), to_coord(top), edge);
    DrawLine(to_coord(left), to_coord(bottom), to_coord(right), to_coord(bottom), edge);
    if (n < width) {
        int inner = to_coord(filled > 0 ? right : left);
        SetPixel(inner, to_coord(top), color_black);
        SetPixel(inner, to_coord(bottom), color_black);
    }
}
