#ifndef SKIFF_DRAW_XIRR_FONT_H
#define SKIFF_DRAW_XIRR_FONT_H

#include <wx/font.h>

#include "draw/xirr_glyph_font.h"

// A toolkit font with a ready-rendered glyph table (xirr_glyph_font), rebuilt
// from the toolkit's own text drawing on every point-size change, so panels
// draw text straight into their surfaces.  Anything that only measures or
// draws text takes the xirr_glyph_font base.  GUI thread only.
class xirr_font : public wxFont, public xirr_glyph_font {
public:
    xirr_font(int point_size, wxFontFamily family, wxFontStyle style, wxFontWeight weight,
              bool underlined = false, const wxString &face_name = wxEmptyString,
              wxFontEncoding encoding = wxFONTENCODING_DEFAULT);
    ~xirr_font() override = default;

    // Takes face name, style, underline flag and weight from `font`, in that
    // order, then its point size, which rebuilds the glyphs.  The family is
    // not copied.
    void copy_font_from(const wxFont &font);
    // The toolkit's point-size change, then build_glyphs().  The toolkit's
    // other size changes (fractional sizes, scaling) rebuild the glyphs too.
    void SetPointSize(int point_size) override;
    void SetFractionalPointSize(double point_size) override;
    // Renders every character 32 to 126, white on black, at its own text
    // extent.  Returns the number of glyphs built.
    int build_glyphs();
};

#endif
