#ifndef SKIFF_INPUT_CAPTION_BREAK_H
#define SKIFF_INPUT_CAPTION_BREAK_H

#include "support/fixed_text.h"

class xirr_glyph_font;

// Breaks a function-key caption into the two lines that fit a button of the
// given width in the font: the first line ends after its last whole word
// that fits (a first word too long for the button is cut and the caption
// goes on with its second word), the second line holds at most 98
// characters.  Tabs and line feeds become spaces.  What does not fit on two
// lines is dropped.  A null or empty caption gives two empty lines.
void break_caption(const xirr_glyph_font &font, const char *caption, int width, fixed_text &first,
                   fixed_text &second);

#endif
