#ifndef SKIFF_DRAW_XIRR_IMAGE_BUTTON_MODEL_H
#define SKIFF_DRAW_XIRR_IMAGE_BUTTON_MODEL_H

#include "draw/xirr_bitmap.h"
#include "draw/xirr_button_state.h"

// Everything a drawn button is, without its window: the five state images,
// the mouse state machine, and the drawing of the current look (with the
// blink frame) into a surface.  xirr_image_button wraps it in a window.
// GUI thread only.
class xirr_image_button_model {
public:
    xirr_bitmap normal_image;
    xirr_bitmap hover_image;
    int has_hover_image = 0;
    xirr_bitmap pressed_image;
    xirr_bitmap pressed_hover_image;
    int has_pressed_hover_image = 0;
    xirr_bitmap disabled_image;
    xirr_button_state state;

    // Deep copies into the slots; the hover setters also mark their image
    // as present.
    void set_normal_image(const xirr_bitmap &b) { normal_image = b; }
    void set_hover_image(const xirr_bitmap &b);
    void set_pressed_image(const xirr_bitmap &b) { pressed_image = b; }
    void set_pressed_hover_image(const xirr_bitmap &b);
    void set_disabled_image(const xirr_bitmap &b) { disabled_image = b; }

    // The image of the current state and hover.
    const xirr_bitmap &current_image() const;

    // Draws the current image at (0, 0) and, while the blink has steps left,
    // the rounded frame at the surface's size: white when the steps left are
    // odd, black when they are even.
    void compose(xirr_bitmap &surface, int blink_steps_left) const;
};

// Called once for every click of a drawn button, to play the click tick.
// Filled in by the sound system; null means silent.
extern void (*button_click_sound_hook)();

#endif
