#include "draw/button_fonts.h"

#include "draw/xirr_glyph_font.h"

namespace {
const xirr_glyph_font *label_font_ = nullptr;
const xirr_glyph_font *key_font_ = nullptr;

const xirr_glyph_font &no_glyphs()
{
    static xirr_glyph_font empty;
    return empty;
}
} // namespace

void set_button_fonts(const xirr_glyph_font *label_font, const xirr_glyph_font *key_font)
{
    label_font_ = label_font;
    key_font_ = key_font;
}

const xirr_glyph_font &button_label_font()
{
    return label_font_ ? *label_font_ : no_glyphs();
}

const xirr_glyph_font &button_key_font()
{
    return key_font_ ? *key_font_ : no_glyphs();
}
