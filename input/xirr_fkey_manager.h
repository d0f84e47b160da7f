#ifndef SKIFF_INPUT_XIRR_FKEY_MANAGER_H
#define SKIFF_INPUT_XIRR_FKEY_MANAGER_H

#include "draw/xirr_transparent_window.h"
#include "input/button_bar_layout.h"

class xirr_fkey_button;

// The function-key bar: eight square buttons F1 to F8 whose captions the
// server sends as "bf1" to "bf8" records.  Delete it before its owner window
// is destroyed.  GUI thread only.
class xirr_fkey_manager : public xirr_transparent_window {
public:
    explicit xirr_fkey_manager(wxWindow *owner);
    ~xirr_fkey_manager() override;

    // Shows or hides the eight buttons (no layout).
    void show_children(bool show) override;
    // Squares of the bar's height - 5, 3 pixels apart.
    void layout() override;
    void restyle_buttons() override;

    // A "bf" N record (tag name and payload).
    void setup_button(const char *tag, const char *payload);
    // Every button's active flag; captions are kept.
    void set_keys_active(int flag);

    // i: 0 to 7 for F1 to F8.
    xirr_fkey_button *button(int i) const { return buttons_[i]; }

private:
    xirr_fkey_button *buttons_[fkey_button_count];
};

#endif
