#include "draw/xirr_glyph_font.h"

#include "draw/rgb_color.h"
#include "draw/xirr_bitmap.h"

#include <climits>

xirr_glyph_font::xirr_glyph_font()
{
    for (xirr_bitmap *&g : glyph_table)
        g = nullptr;
}

xirr_glyph_font::~xirr_glyph_font()
{
    clear_glyphs();
}

void xirr_glyph_font::clear_glyphs()
{
    for (xirr_bitmap *&g : glyph_table) {
        delete g;
        g = nullptr;
    }
}

static xirr_bitmap *make_glyph(xirr_glyph_source &source, int c)
{
    int w = 0, h = 0;
    if (!source.measure_glyph(c, &w, &h) || w < 1 || h < 1)
        return nullptr;
    xirr_bitmap *g = new xirr_bitmap(w, h);
    if (!g->IsOk()) {
        delete g;
        return nullptr;
    }
    g->Clear(color_black);
    if (!source.render_glyph(c, *g)) {
        delete g;
        return nullptr;
    }
    return g;
}

int xirr_glyph_font::build_glyphs_from(xirr_glyph_source &source)
{
    int built = 0;
    for (int c = first_glyph; c <= last_glyph; c++) {
        xirr_bitmap *g = make_glyph(source, c);
        delete glyph_table[c];
        glyph_table[c] = g;
        if (g)
            built++;
    }
    return built;
}

void glyph_size(const xirr_glyph_font *font, int c, int *width, int *height)
{
    const xirr_bitmap *g = nullptr;
    if (font && c >= xirr_glyph_font::first_glyph && c <= xirr_glyph_font::last_glyph)
        g = font->glyph(c);
    if (width)
        *width = g ? g->GetWidth() : 0;
    if (height)
        *height = g ? g->GetHeight() : 0;
}

void glyph_text_extent(const xirr_glyph_font *font, const char *text, int length, int *width,
                       int *height)
{
    if (!font || !text)
        return;
    long long total = 0;
    int last_height = 0;
    for (int i = 0; (length < 0 || i < length) && text[i]; i++) {
        const xirr_bitmap *g = font->glyph((unsigned char)text[i] & 127);
        if (!g)
            continue;
        if (total < INT_MAX)
            total += g->GetWidth();
        last_height = g->GetHeight();
    }
    if (width)
        *width = total < INT_MAX ? (int)total : INT_MAX;
    if (height)
        *height = last_height;
}

void glyph_text_extent(const xirr_glyph_font *font, const char *text, int *width, int *height)
{
    glyph_text_extent(font, text, -1, width, height);
}
