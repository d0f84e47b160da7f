#ifndef SKIFF_DRAW_XIRR_BUTTON_STATE_H
#define SKIFF_DRAW_XIRR_BUTTON_STATE_H

// The mouse behaviour of a drawn button, without any window: the window
// translates each toolkit mouse event into a button_mouse_event, feeds it
// here and acts on the result (repaint, queue a click, play the tick).
// GUI thread only.

enum class button_mouse_event {
    left_down, left_up, left_dclick,
    middle_down, middle_up, middle_dclick,
    right_down, right_up, right_dclick,
    aux1_down, aux1_up, aux1_dclick,
    aux2_down, aux2_up, aux2_dclick,
    motion, enter, leave, wheel
};

enum { button_normal = 0, button_pressed = 1, button_disabled = 2 };

struct button_mouse_result {
    bool repaint = false;  // state or hover changed
    bool click = false;    // a click event is due (and the tick with it)
};

// True for a press of any mouse button; double clicks are not presses.
bool is_button_press(button_mouse_event e);

class xirr_button_state {
public:
    int toggle_mode = 0;   // 0 momentary, 1 toggle
    int button_state = 0;  // button_normal, button_pressed or button_disabled
    int hover = 0;         // 1 while the pointer is over the button

    button_mouse_result handle_mouse(button_mouse_event e);

    // Stores the state as given (owners may force any state).
    void set_button_state(int state) { button_state = state; }
    // Clears hover, then normal when enabled, disabled when not.
    void set_enabled(bool flag);

    // The image slot to show, as image_slot values below.
    int chosen_image(bool has_hover_image, bool has_pressed_hover_image) const;

private:
    void press_toggle(button_mouse_result &r);
    void handle_momentary(button_mouse_event e, button_mouse_result &r);
};

enum image_slot {
    slot_normal, slot_hover, slot_pressed, slot_pressed_hover, slot_disabled
};

#endif
