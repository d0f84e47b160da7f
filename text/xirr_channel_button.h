#ifndef SKIFF_TEXT_XIRR_CHANNEL_BUTTON_H
#define SKIFF_TEXT_XIRR_CHANNEL_BUTTON_H

#include <wx/event.h>

#include "draw/xirr_button.h"

class xirr_channel_paging_button;
class xirr_channel_window;

// A channel tab: a labelled button with a small page square inside its
// right end and two flags, new text (unseen text arrived) and current.  Its
// look follows the flags (current 0, else new text 1, else plain 2) and is
// kept in the button state, as is the square's.  A left press on a tab whose
// owner is the channel window selects its channel; the button's own mouse
// state machine is not used.  GUI thread only.
class xirr_channel_button : public xirr_button {
public:
    // owner: the channel window whose tab this is, or null (the placeholder).
    xirr_channel_button(wxWindow *parent, xirr_channel_window *owner);

    xirr_channel_paging_button *get_page_button() const { return page_button_; }
    xirr_channel_window *get_owner() const { return owner_; }

    // Set the flags and the look that follows from them.
    void set_new_text(bool on);
    void set_current(bool on);
    bool has_new_text() const { return new_text_; }
    bool is_current() const { return current_; }
    int look() const;

    // Rebuilds the images when the size changed, and places the square at
    // (width - height + 2, 3) with a side of height - 3.
    void relayout(bool recreated) override;
    // Draws the three looks at the current size (the label left of the
    // square while it is shown), and the square's.
    void rebuild_images() override;

private:
    void on_mouse(wxMouseEvent &event);
    void apply_look();
    int label_width() const;

    xirr_channel_window *owner_;
    xirr_channel_paging_button *page_button_;
    bool new_text_ = false;
    bool current_ = false;
};

#endif
