#include "draw/xirr_button_state.h"

bool is_button_press(button_mouse_event e)
{
    switch (e) {
    case button_mouse_event::left_down:
    case button_mouse_event::middle_down:
    case button_mouse_event::right_down:
    case button_mouse_event::aux1_down:
    case button_mouse_event::aux2_down:
        return true;
    default:
        return false;
    }
}

button_mouse_result xirr_button_state::handle_mouse(button_mouse_event e)
{
    button_mouse_result r;
    if (button_state == button_disabled)
        return r;
    int old_state = button_state;
    int old_hover = hover;
    if (e == button_mouse_event::leave)
        hover = 0;
    else if (e == button_mouse_event::enter)
        hover = 1;
    if (toggle_mode == 1) {
        if (is_button_press(e))
            press_toggle(r);
    } else {
        handle_momentary(e, r);
    }
    r.repaint = button_state != old_state || hover != old_hover;
    return r;
}

void xirr_button_state::press_toggle(button_mouse_result &r)
{
    button_state = button_state == button_pressed ? button_normal : button_pressed;
    r.click = true;
}

void xirr_button_state::handle_momentary(button_mouse_event e, button_mouse_result &r)
{
    // Leaving a held button lets it go without a click: the click was
    // already sent on the press.
    if (e == button_mouse_event::leave) {
        button_state = button_normal;
    } else if (e == button_mouse_event::left_down) {
        button_state = button_pressed;
        r.click = true;
    } else if (e == button_mouse_event::left_up) {
        button_state = button_normal;
    }
}

void xirr_button_state::set_enabled(bool flag)
{
    hover = 0;
    set_button_state(flag ? button_normal : button_disabled);
}

int xirr_button_state::chosen_image(bool has_hover_image, bool has_pressed_hover_image) const
{
    if (button_state == button_normal)
        return has_hover_image && hover ? slot_hover : slot_normal;
    if (button_state == button_pressed)
        return has_pressed_hover_image && hover ? slot_pressed_hover : slot_pressed;
    return slot_disabled;
}
