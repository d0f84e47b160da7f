#ifndef SKIFF_INPUT_XIRR_COMMAND_BUTTON_H
#define SKIFF_INPUT_XIRR_COMMAND_BUTTON_H

#include "draw/xirr_button.h"

// A drawn button that sends a command line when clicked (the direction pad
// and the hint column).  New buttons have no label, no command, are
// disabled and lit.  GUI thread only.
class xirr_command_button : public xirr_button {
public:
    static const int max_command = 400;

    xirr_command_button(wxWindow *parent, wxWindowID id);

    // Label, command (null empties it; cut to 400 characters) and the drawn
    // state: normal when enabled is 1, disabled when 0 (clearing hover).
    void setup_command_button(const char *label_text, const char *command_text, int enabled);
    const char *get_command() const { return command; }

private:
    void on_click(wxCommandEvent &event);

    char command[max_command + 1];
};

// What every bar button does after its own action: the keyboard focus goes
// back to the input line and the main output shows its newest text.
void finish_button_click();

#endif
