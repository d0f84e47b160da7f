#ifndef SKIFF_DRAW_XIRR_FOCUS_HAND_OFF_H
#define SKIFF_DRAW_XIRR_FOCUS_HAND_OFF_H

class wxWindow;

// What panels that must never keep the keyboard focus need from the main
// frame: handing the focus back to the command input line.  The main frame
// implements it and installs itself in the_focus_hand_off.  GUI thread only.
class xirr_focus_hand_off {
public:
    virtual ~xirr_focus_hand_off() = default;
    // True when the focus was handed on (the panel's focus event is then
    // consumed).
    virtual bool transfer_focus_main(wxWindow *window) = 0;
};

// Null until the main frame exists; panels then keep the focus.
extern xirr_focus_hand_off *the_focus_hand_off;

#endif
