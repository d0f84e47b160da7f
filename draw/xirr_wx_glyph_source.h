#ifndef SKIFF_DRAW_XIRR_WX_GLYPH_SOURCE_H
#define SKIFF_DRAW_XIRR_WX_GLYPH_SOURCE_H

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>

#include "draw/xirr_glyph_font.h"

// Glyphs from the toolkit's text drawing: each character measured with the
// toolkit's text extent and drawn white on black into a bitmap of exactly
// that size.  Needs an initialised toolkit (a display).  GUI thread only.
class xirr_wx_glyph_source : public xirr_glyph_source {
public:
    explicit xirr_wx_glyph_source(const wxFont &font);
    ~xirr_wx_glyph_source() override;

    bool measure_glyph(int c, int *width, int *height) override;
    bool render_glyph(int c, xirr_bitmap &surface) override;

private:
    wxFont font_;
    wxBitmap scratch_;
    wxMemoryDC measure_dc_;
};

#endif
