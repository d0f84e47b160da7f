#ifndef SKIFF_INPUT_XIRR_DIRECTION_BUTTONS_H
#define SKIFF_INPUT_XIRR_DIRECTION_BUTTONS_H

#include "draw/xirr_transparent_window.h"
#include "input/button_bar_layout.h"

class xirr_command_button;

// The direction pad: eleven command buttons for the eight compass
// directions, up, down and out, 97 x 130 pixels.  The server switches it on
// and off and lights the buttons of the current room's exits ("dirs"
// records: directions_on or directions_off, then set_exit_mask).  Delete it
// before its owner window is destroyed.  GUI thread only.
class xirr_direction_buttons : public xirr_transparent_window {
public:
    explicit xirr_direction_buttons(wxWindow *owner);
    ~xirr_direction_buttons() override;

    // 1: layout, then show all eleven; 0: hide them.
    void show_children(bool show) override;
    void layout() override;
    void restyle_buttons() override;

    // Labels and commands from the fixed table, all disabled; the out
    // button lit; then directions_off.
    void init_directions();
    // All eleven buttons normal, or disabled.
    void directions_on();
    void directions_off();
    // Lights each of the ten direction buttons whose exit bit is set and
    // unlights the others; the out button is not touched.
    void set_exit_mask(int mask);

    xirr_command_button *button(int i) const { return buttons_[i]; }

private:
    xirr_command_button *buttons_[direction_button_count];
};

#endif
