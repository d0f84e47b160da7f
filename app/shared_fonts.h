#ifndef SKIFF_APP_SHARED_FONTS_H
#define SKIFF_APP_SHARED_FONTS_H

#include <wx/font.h>

class xirr_font;

// The fonts every panel shares: main_font (modern family, the character's
// font size, 8 points at first), small_fixed_font (6 points, teletype) and
// fixed_font (8 points, teletype).  Null until create_shared_fonts.
// GUI thread only.
extern xirr_font *main_font;
extern xirr_font *small_fixed_font;
extern xirr_font *fixed_font;

// Creates the three fonts (once) and hands them to the button drawing and
// the text views.
void create_shared_fonts(int main_point_size);

#endif
