#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>

#include <gtest/gtest.h>

#include "draw/xirr_bitmap.h"
#include "draw/xirr_font.h"

namespace {

int max_green(const xirr_bitmap &g)
{
    int m = 0;
    for (int y = 0; y < g.GetHeight(); y++)
        for (int x = 0; x < g.GetWidth(); x++)
            m = std::max(m, g.GetPixel(x, y).green);
    return m;
}

int inked_pixels(const xirr_bitmap &g)
{
    int n = 0;
    for (int y = 0; y < g.GetHeight(); y++)
        for (int x = 0; x < g.GetWidth(); x++)
            n += g.GetPixel(x, y).green > 128;
    return n;
}

wxSize toolkit_extent(const wxFont &font, char c)
{
    wxBitmap scratch(16, 16, 24);
    wxMemoryDC dc(scratch);
    dc.SetFont(font);
    char text[2] = {c, 0};
    return dc.GetTextExtent(wxString::From8BitData(text));
}

}  // namespace

TEST(xirr_font, glyph_table_holds_white_on_black_glyphs_at_the_toolkit_extent)
{
    xirr_font font(8, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    ASSERT_TRUE(font.IsOk());
    for (int c = 0; c < 128; c++) {
        if (c < 32 || c > 126) {
            EXPECT_EQ(font.glyph(c), nullptr) << c;
            continue;
        }
        ASSERT_NE(font.glyph(c), nullptr) << c;
        wxSize extent = toolkit_extent(font, (char)c);
        EXPECT_EQ(font.glyph(c)->GetWidth(), extent.x) << c;
        EXPECT_EQ(font.glyph(c)->GetHeight(), extent.y) << c;
    }
    // Fixed pitch: every glyph as wide as 'M'.
    int w = font.glyph('M')->GetWidth();
    EXPECT_GT(w, 2);
    EXPECT_EQ(font.glyph('i')->GetWidth(), w);
    EXPECT_EQ(font.glyph(' ')->GetWidth(), w);
    // Ink is white on black: full coverage somewhere, none in a space.
    EXPECT_GE(max_green(*font.glyph('M')), 200);
    EXPECT_GT(inked_pixels(*font.glyph('M')), inked_pixels(*font.glyph('.')));
    EXPECT_EQ(max_green(*font.glyph(' ')), 0);
    EXPECT_EQ(font.glyph('M')->GetPixel(0, 0), color_black);
}

TEST(xirr_font, point_size_change_and_copy_rebuild_the_glyphs)
{
    xirr_font font(8, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    int small_h = font.glyph('M')->GetHeight();
    font.SetPointSize(16);
    int big_h = font.glyph('M')->GetHeight();
    EXPECT_GT(big_h, small_h);
    EXPECT_EQ(big_h, toolkit_extent(font, 'M').y);
    // Through the toolkit's own interface too.
    static_cast<wxFont &>(font).SetPointSize(8);
    EXPECT_EQ(font.glyph('M')->GetHeight(), small_h);
    font.SetFractionalPointSize(16.0);
    EXPECT_EQ(font.glyph('M')->GetHeight(), big_h);

    wxFont bold(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_ITALIC, wxFONTWEIGHT_BOLD, true);
    font.copy_font_from(bold);
    EXPECT_EQ(font.GetPointSize(), 12);
    EXPECT_EQ(font.GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(font.GetStyle(), wxFONTSTYLE_ITALIC);
    EXPECT_TRUE(font.GetUnderlined());
    EXPECT_EQ(font.glyph('W')->GetWidth(), toolkit_extent(font, 'W').x);
    EXPECT_EQ(font.glyph('W')->GetHeight(), toolkit_extent(font, 'W').y);
}

TEST(xirr_font, text_drawn_from_the_real_glyphs)
{
    xirr_font font(10, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    int w = 0, h = 0;
    glyph_text_extent(&font, "Hi!", &w, &h);
    EXPECT_EQ(w, 3 * font.glyph('H')->GetWidth());
    xirr_bitmap s(w + 4, h);
    s.Clear(color_blue);
    EXPECT_EQ(s.DrawText(font, "Hi!", 0, 0, color_white, color_black), w);
    int ink = 0;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            ink += s.GetPixel(x, y).red >= 200;
    EXPECT_GT(ink, 5);
    EXPECT_EQ(s.GetPixel(w + 1, 0), color_blue);
}
