#ifndef SKIFF_INPUT_XIRR_FKEY_BUTTON_H
#define SKIFF_INPUT_XIRR_FKEY_BUTTON_H

#include "draw/xirr_image_button.h"
#include "support/fixed_text.h"

// One button of the function-key bar, F1 to F8: its key label in the top
// left corner and, while active, the server's caption on two lines.  A
// click sends the key name ("f01" ...) while the player is logged in,
// exactly like the function key in the input line.  Its drawn state is
// never disabled.  GUI thread only.
class xirr_fkey_button : public xirr_image_button {
public:
    static const int max_caption = 400;

    // number: 1 to 8.
    xirr_fkey_button(wxWindow *parent, wxWindowID id, int number);

    // Caption (null empties it; cut to 400 characters) and the active flag;
    // breaks the caption and rebuilds.  Key name and label come from the
    // number, set once at construction.
    void set_caption(const char *caption_text, int active_flag);
    // Sets the active flag and rebuilds the images.
    void set_active(int active_flag);

    // Breaks the caption again and rebuilds, on every size or font change.
    void relayout(bool recreated) override;
    void rebuild_images();

    const char *get_caption() const { return caption; }
    const char *get_key_name() const { return key_name; }
    const char *get_first_line() const { return first_line.c_str(); }
    const char *get_second_line() const { return second_line.c_str(); }
    int get_active() const { return active; }

private:
    void on_click(wxCommandEvent &event);
    void break_lines();

    char caption[max_caption + 1];
    char key_name[8];
    fixed_text key_label;
    int active = 0;
    fixed_text first_line;
    fixed_text second_line;
    const int number;
};

#endif
