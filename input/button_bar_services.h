#ifndef SKIFF_INPUT_BUTTON_BAR_SERVICES_H
#define SKIFF_INPUT_BUTTON_BAR_SERVICES_H

// What the button bars need from the main frame beyond frame_services:
// after every click the keyboard focus goes back to the input line and the
// main output shows its newest text; function keys send only while logged
// in.  The main frame implements it.  Main thread only.
class button_bar_services {
public:
    virtual ~button_bar_services() = default;
    // Hands the keyboard focus back to the command input line.
    virtual void transfer_focus_main() = 0;
    // Unlocks the main output's scrollback so the newest text is in view.
    virtual void unlock_main_scrollback() = 0;
    // 0 not logged in, 1 creating a character, 2 logged in, 3 logging off.
    virtual int login_state() const = 0;
};

// Null until the main frame exists; the bars then skip these steps (and a
// function key never sends, as nobody is logged in).
extern button_bar_services *the_button_bar_services;

#endif
