#ifndef SKIFF_DRAW_BUTTON_IMAGES_H
#define SKIFF_DRAW_BUTTON_IMAGES_H

#include "draw/rgb_color.h"
#include "draw/themes.h"
#include "draw/xirr_bitmap.h"

class xirr_glyph_font;

// The state images of drawn buttons, drawn without any window.  GUI thread
// only (they read the theme tables).

enum bevel_style { bevel_flat = 0, bevel_raised = 1, bevel_sunken = 2 };

// Half of each channel.
rgb_color bevel_dark_color(const rgb_color &face);
// (3 x channel + 96) / 2, at most 255.
rgb_color bevel_light_color(const rgb_color &face);

// Fills the whole surface with the face colour and draws a two-pixel bevel
// around it: light top-left and dark bottom-right when raised, the other
// way round for any other style but flat.
void paint_face(xirr_bitmap &surface, const rgb_color &face, int style);

// How many leading characters of text fit in width - 2 pixels: between 1
// and 254; one character always counts, and an empty or null text gives 1.
int fitting_count(const xirr_glyph_font &font, const char *text, int width);

// Centres the leading characters of text that fit the surface's width (at
// most 254), clamped to x, y >= 0, and draws them over the surface.
void draw_button_label(xirr_bitmap &surface, const xirr_glyph_font &font, const char *text,
                       const rgb_color &color);

// The five state images of a button.
struct button_image_set {
    xirr_bitmap normal, hover, pressed, pressed_hover, disabled;
};

// What a labelled button looks like.
struct button_look {
    const char *label = "";  // null counts as empty
    bool lit = true;
    bool toggle_mode = false;
};

// Draws all five images of a labelled button at width x height.
void build_button_images(int width, int height, const button_look &look, const button_theme &t,
                         const xirr_glyph_font &font, button_image_set &out);

// What a function-key button shows.
struct fkey_look {
    const char *key_label = "";    // "F1" ...
    const char *first_line = "";
    const char *second_line = "";
    bool active = false;
};

// Draws all five images of a function-key button at width x height: the key
// label in white in key_font, and while active the caption's two lines in
// caption_font.
void build_fkey_images(int width, int height, const fkey_look &look, const button_theme &t,
                       const xirr_glyph_font &key_font, const xirr_glyph_font &caption_font,
                       button_image_set &out);

#endif
