#ifndef SKIFF_DRAW_BUTTON_FONTS_H
#define SKIFF_DRAW_BUTTON_FONTS_H

class xirr_glyph_font;

// The fonts drawn buttons use: the label font for button labels and
// function-key captions (the shared fixed_font), the key font for the
// function-key labels (the shared small_fixed_font).  Start-up sets them
// when it creates the shared fonts; they are read at drawing time, so a
// font whose glyphs are rebuilt in place needs no new call.  Until then
// buttons draw without text.  GUI thread only.
void set_button_fonts(const xirr_glyph_font *label_font, const xirr_glyph_font *key_font);
const xirr_glyph_font &button_label_font();
const xirr_glyph_font &button_key_font();

#endif
