#ifndef SKIFF_DRAW_XIRR_IMAGE_BUTTON_H
#define SKIFF_DRAW_XIRR_IMAGE_BUTTON_H

#include <wx/event.h>

#include "draw/xirr_embedded_window.h"
#include "draw/xirr_image_button_model.h"

class xirr_glyph_font;

// A drawn button showing one of five ready-made state images (normal, hover,
// pressed, pressed while hovered, disabled).  It tracks the mouse, reports a
// click on the press as the toolkit's button-clicked command event (window
// id 0, the button as event object) queued to its own event handler, plays
// the click tick, and can blink its frame.  Concrete buttons implement
// relayout.  GUI thread only.
class xirr_image_button : public xirr_embedded_window {
public:
    xirr_image_button(wxWindow *parent, wxWindowID id);

    // Deep copies into the slots, then a repaint request.
    void set_normal_image(const xirr_bitmap &b);
    void set_hover_image(const xirr_bitmap &b);
    void set_pressed_image(const xirr_bitmap &b);
    void set_pressed_hover_image(const xirr_bitmap &b);
    void set_disabled_image(const xirr_bitmap &b);

    // 0 normal, 1 pressed, 2 disabled; then a repaint request.
    void set_button_state(int state);
    int get_button_state() const { return model.state.button_state; }
    // Clears hover, then normal (true) or disabled (false).
    void set_enabled(bool flag);
    void set_toggle_mode(bool flag) { model.state.toggle_mode = flag ? 1 : 0; }
    int get_toggle_mode() const { return model.state.toggle_mode; }
    int get_hover() const { return model.state.hover; }

    // Blinks the frame: 16 steps of 200 ms, starting black.
    void flash_button();

    // Showing or hiding first clears hover: a button shown again never
    // starts in the hover look.
    bool Show(bool show = true) override;

    bool animation_callback(int elapsed_ms) override;
    void repaint_internal(xirr_bitmap &surface) override;

    // Fills the surface with the face colour and draws the bevel of the
    // style (0 flat, 1 raised, 2 sunken).
    static void paint_face(xirr_bitmap &surface, const rgb_color &face, int style);
    // Leading characters of text that fit in width - 2 pixels (1 to 254).
    static int fitting_count(const xirr_glyph_font &font, const char *text, int width);

    const xirr_image_button_model &get_model() const { return model; }

protected:
    // The client size, at least 1 x 1.
    void image_size(int *width, int *height) const;

    xirr_image_button_model model;

private:
    void on_mouse(wxMouseEvent &event);
    void queue_click();
};

#endif
