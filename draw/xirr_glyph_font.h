#ifndef SKIFF_DRAW_XIRR_GLYPH_FONT_H
#define SKIFF_DRAW_XIRR_GLYPH_FONT_H

class xirr_bitmap;

// Where glyph images come from: the toolkit's font for the program
// (xirr_font), a fixed bitmap font in tests.
class xirr_glyph_source {
public:
    virtual ~xirr_glyph_source() = default;
    // The cell size of one character; false when it cannot be measured.
    virtual bool measure_glyph(int c, int *width, int *height) = 0;
    // Draws character c in white on the surface, which has the measured size
    // and is already black.  The green channel is what panels read as ink
    // coverage.  False when the character could not be drawn.
    virtual bool render_glyph(int c, xirr_bitmap &surface) = 0;
};

// The toolkit-free half of a font: one ready-rendered glyph surface for
// every printable ASCII character (codes 32 to 126; every other slot stays
// empty), so panels draw text straight into their pixel surfaces.
// GUI thread only while building; read-only afterwards.
class xirr_glyph_font {
public:
    static const int first_glyph = 32;
    static const int last_glyph = 126;

    xirr_glyph_font();
    virtual ~xirr_glyph_font();
    xirr_glyph_font(const xirr_glyph_font &) = delete;
    xirr_glyph_font &operator=(const xirr_glyph_font &) = delete;

    // The glyph in slot index (0 to 127), or null.
    const xirr_bitmap *glyph(int index) const
    {
        return index >= 0 && index < 128 ? glyph_table[index] : nullptr;
    }

    // Rebuilds slots 32 to 126 from the source; a character the source
    // cannot measure or draw (or measures below 1 x 1) gets no glyph.
    // Returns the number of glyphs built.
    int build_glyphs_from(xirr_glyph_source &source);
    void clear_glyphs();

protected:
    xirr_bitmap *glyph_table[128];
};

// The glyph size of character c for 32 <= c <= 126 with a glyph present,
// otherwise 0 x 0.  Either output may be null.
void glyph_size(const xirr_glyph_font *font, int c, int *width, int *height);

// Total width of the text's glyphs (each character as the glyph of its code
// AND 127; characters without a glyph add nothing) and the height of the last
// drawable glyph; 0 x 0 when there is none.  A null text (or font) leaves the
// outputs untouched.  Either output may be null.  The form with a length
// measures at most that many bytes, stopping early at a zero byte.
void glyph_text_extent(const xirr_glyph_font *font, const char *text, int *width, int *height);
void glyph_text_extent(const xirr_glyph_font *font, const char *text, int length, int *width,
                       int *height);

#endif
