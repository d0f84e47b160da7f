#ifndef SKIFF_TEXT_XIRR_CHANNEL_LOOKS_H
#define SKIFF_TEXT_XIRR_CHANNEL_LOOKS_H

#include "draw/button_images.h"

class xirr_bitmap;
class xirr_glyph_font;

// The images of channel tabs and page squares, drawn without any window.
// A tab keeps its look in the button state, so the image slots hold: normal
// and hover the current look, pressed and pressed-hover the new-text look,
// disabled the plain look.  GUI thread only (they read the theme tables).

// One tab look at width x height: face, left, right and top edges (no
// bottom edge, the tab opens onto the display below) and the label centred
// in the first label_width pixels.
void draw_channel_tab(xirr_bitmap &surface, int look, const char *label, int label_width,
                      const button_theme &t, const xirr_glyph_font &font);
void build_channel_tab_images(int width, int height, const char *label, int label_width,
                              const button_theme &t, const xirr_glyph_font &font,
                              button_image_set &out);

// One page square look: a frame on the look's face, with a white diagonal
// from top left to bottom right for the current look and a light grey one
// from bottom left to top right otherwise.
void draw_channel_page_square(xirr_bitmap &surface, int look, const button_theme &t);
void build_channel_page_images(int width, int height, const button_theme &t,
                               button_image_set &out);

// Opens the top edge of a channel display's frame under its tab: the frame
// (already drawn over width W and height H, on a black panel) keeps its top
// lines only left of the tab, which starts tab_offset pixels from the
// display's left edge, and right of it (tab_width wide).
void cut_channel_frame_gap(xirr_bitmap &surface, int width, int height, int tab_offset,
                           int tab_width);

#endif
