#include "draw/xirr_font.h"

#include <wx/font.h>

#include "draw/xirr_wx_glyph_source.h"

xirr_font::xirr_font(int point_size, wxFontFamily family, wxFontStyle style, wxFontWeight weight,
                     bool underlined, const wxString &face_name, wxFontEncoding encoding)
    : wxFont(point_size, family, style, weight, underlined, face_name, encoding)
{
    build_glyphs();
}

void xirr_font::copy_font_from(const wxFont &font)
{
    if (!font.IsOk())
        return;
    SetFaceName(font.GetFaceName());
    SetStyle(font.GetStyle());
    SetUnderlined(font.GetUnderlined());
    SetWeight(font.GetWeight());
    SetPointSize(font.GetPointSize());
}

void xirr_font::SetPointSize(int point_size)
{
    // Reaches SetFractionalPointSize below, which rebuilds the glyphs.
    wxFont::SetPointSize(point_size);
}

void xirr_font::SetFractionalPointSize(double point_size)
{
    wxFont::SetFractionalPointSize(point_size);
    build_glyphs();
}

int xirr_font::build_glyphs()
{
    if (!IsOk()) {
        clear_glyphs();
        return 0;
    }
    xirr_wx_glyph_source source(*this);
    return build_glyphs_from(source);
}
