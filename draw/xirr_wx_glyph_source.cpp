#include "draw/xirr_wx_glyph_source.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

#include "draw/xirr_bitmap.h"

static wxString one_character(int c)
{
    char text[2] = {(char)c, 0};
    return wxString::From8BitData(text);
}

xirr_wx_glyph_source::xirr_wx_glyph_source(const wxFont &font)
    : font_(font), scratch_(16, 16, 24)
{
    measure_dc_.SelectObject(scratch_);
    measure_dc_.SetFont(font_);
}

xirr_wx_glyph_source::~xirr_wx_glyph_source()
{
    measure_dc_.SelectObject(wxNullBitmap);
}

bool xirr_wx_glyph_source::measure_glyph(int c, int *width, int *height)
{
    if (!measure_dc_.IsOk())
        return false;
    wxCoord w = 0, h = 0;
    measure_dc_.GetTextExtent(one_character(c), &w, &h);
    *width = w;
    *height = h;
    return true;
}

bool xirr_wx_glyph_source::render_glyph(int c, xirr_bitmap &surface)
{
    const int w = surface.GetWidth(), h = surface.GetHeight();
    wxBitmap cell(w, h, 24);
    if (!cell.IsOk())
        return false;
    {
        wxMemoryDC dc(cell);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        dc.SetFont(font_);
        dc.SetTextForeground(*wxWHITE);
        dc.SetTextBackground(*wxBLACK);
        dc.DrawText(one_character(c), 0, 0);
    }
    wxImage image = cell.ConvertToImage();
    if (!image.IsOk() || image.GetWidth() != w || image.GetHeight() != h)
        return false;
    const unsigned char *s = image.GetData();
    for (int y = 0; y < h; y++) {
        unsigned char *d = surface.row(y);
        for (int x = 0; x < w; x++, s += 3, d += 4) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
    }
    return true;
}
