#include "draw/xirr_image_button_model.h"

void (*button_click_sound_hook)() = nullptr;

void xirr_image_button_model::set_hover_image(const xirr_bitmap &b)
{
    hover_image = b;
    has_hover_image = 1;
}

void xirr_image_button_model::set_pressed_hover_image(const xirr_bitmap &b)
{
    pressed_hover_image = b;
    has_pressed_hover_image = 1;
}

const xirr_bitmap &xirr_image_button_model::current_image() const
{
    switch (state.chosen_image(has_hover_image != 0, has_pressed_hover_image != 0)) {
    case slot_normal: return normal_image;
    case slot_hover: return hover_image;
    case slot_pressed: return pressed_image;
    case slot_pressed_hover: return pressed_hover_image;
    default: return disabled_image;
    }
}

void xirr_image_button_model::compose(xirr_bitmap &surface, int blink_steps_left) const
{
    surface.DrawBitmap(current_image(), 0, 0);
    if (blink_steps_left > 0) {
        const rgb_color &c = blink_steps_left % 2 ? color_white : color_black;
        surface.DrawRoundedFrame(c, surface.GetWidth(), surface.GetHeight());
    }
}
