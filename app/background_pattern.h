#ifndef SKIFF_APP_BACKGROUND_PATTERN_H
#define SKIFF_APP_BACKGROUND_PATTERN_H

class xirr_bitmap;
struct rgb_color;

// The main frame's own background: a generated pattern drawn once into an
// off-screen surface that only grows, in steps of 256 pixels, so resizing
// the window never redraws it.  Main thread only.

// What the surface was last drawn with.
struct background_record {
    bool exists = false;
    int width = -1;
    int height = -1;
    int style = -1;  // theme_bg_setting
    int theme = -1;  // current_background_theme
};

// Whether the surface must be drawn again for a client area of w x h with
// this style and theme (always when forced); when it must, *new_width and
// *new_height get the new surface size: the larger of the area and the old
// surface, each rounded up past the next multiple of 256 (700 -> 768,
// 512 -> 768, 768 -> 1024).
bool background_needs_rebuild(const background_record &old, int w, int h, int style, int theme,
                              bool force, int *new_width, int *new_height);

// Draws background style `style` (theme_bg_setting: 0 None, 1 Solid,
// 2 Maze1, 3 Maze2 (also any unknown value), 4 Bubbles, 5 Maze3) over the
// whole surface with the background theme's colours c0, c1, c2.  The same
// arguments always give the same picture.
void draw_background_pattern(xirr_bitmap &surface, int style, const rgb_color &c0,
                             const rgb_color &c1, const rgb_color &c2);

#endif
