#ifndef SKIFF_INPUT_XIRR_HINT_BUTTONS_H
#define SKIFF_INPUT_XIRR_HINT_BUTTONS_H

#include "draw/xirr_transparent_window.h"
#include "input/button_bar_layout.h"

class xirr_command_button;

// The hint column: up to twelve command buttons (97 x 26) whose labels and
// commands the server sends as "b1" to "b12" records; "Connect" and "Quit"
// while not connected.  Only enabled buttons take room, in runs separated
// by 16-pixel gaps.  Delete it before its owner window is destroyed.  GUI
// thread only.
class xirr_hint_buttons : public xirr_transparent_window {
public:
    explicit xirr_hint_buttons(wxWindow *owner);
    ~xirr_hint_buttons() override;

    // 1: lay the column out (showing the enabled buttons); 0: hide all.
    void show_children(bool show) override;
    // Nothing while the column is hidden.
    void layout() override;
    void restyle_buttons() override;

    // A "b" N record (tag name and payload).
    void setup_button(const char *tag, const char *payload);
    // Every button empty and disabled, then layout.
    void clear_hints();
    // "Connect" first and "Quit" last, enabled and lit, then layout.
    void show_connect_hints();
    // Every button blinks.
    void flash_hints();

    xirr_command_button *button(int i) const { return buttons_[i]; }

private:
    xirr_command_button *buttons_[hint_button_count];
};

#endif
