#ifndef SKIFF_TEXT_XIRR_CHANNEL_WINDOW_H
#define SKIFF_TEXT_XIRR_CHANNEL_WINDOW_H

#include "draw/xirr_transparent_window.h"
#include "protocol/text_run_router.h"
#include "text/xirr_channel_model.h"

class wxWindow;
class xirr_ansi_display;
class xirr_channel_button;
class xirr_channel_display;
class xirr_channel_paging_button;
class xirr_glyph_font;

// The tabbed channel window above the main output: one display per chat
// channel plus "(all)", which gets every channel's text, on two pages of
// tabs.  Its windows (tabs, displays, the page button, the placeholder tab
// and the blank display shown while a page has no channels) are children of
// the owner, the main frame, which gives the window its rectangle and makes
// it visible.  The state lives in xirr_channel_model.
//
// Destroy it before the owner's child windows go (in the owner's
// destructor body), since it destroys the windows it made.  GUI thread only.
class xirr_channel_window : public xirr_transparent_window, public channel_text_output {
public:
    explicit xirr_channel_window(wxWindow *owner);
    ~xirr_channel_window() override;

    // Makes sure "(all)" exists, finds or makes the named channel and sends
    // diverted text there.
    void divert_to_channel(const char *name);
    // Ends the divert.
    void clear_divert_channel();
    // Diverted bytes go to the divert channel and to "(all)".
    void display_socket_data(const char *data, int length) override;
    // Removes every channel.
    void clear_channels();
    // Makes the named channel current; unknown names change nothing.
    void select_channel(const char *name);
    // Shows the other page of tabs.
    void switch_page();
    // The text font of every channel display and of the blank display, and
    // of the displays made from now on.
    void set_channel_font(const xirr_glyph_font *font);

    // The scroll-lock and selection operations of the display shown: the
    // current channel's, or the blank display without a current channel.
    int is_current_following();
    void unlock_current();
    void lock_current();
    void clear_current_selection();

    void clear_channel_new_data() override;
    void refresh_channels_with_new_data() override;

    void show_children(bool show) override;
    void layout() override;
    void restyle_buttons() override;

    // From the tabs and page squares.
    void on_tab_press(xirr_channel_button *tab);
    void on_page_button_press(xirr_channel_paging_button *button);

    const xirr_channel_model &model() const { return model_; }
    xirr_channel_paging_button *get_page_button() const { return page_button_; }
    xirr_channel_button *get_placeholder() const { return placeholder_; }
    xirr_ansi_display *get_blank_display() const { return blank_; }

private:
    xirr_channel_entry *find_or_create(const char *name);
    void create_views(xirr_channel_entry *entry);
    void feed(xirr_channel_entry *entry, const char *data, int length);
    xirr_ansi_display *shown_display() const;
    void show_channel(xirr_channel_entry *entry, bool show, int page_shown);

    xirr_channel_model model_;
    xirr_channel_paging_button *page_button_;
    xirr_channel_button *placeholder_;
    xirr_ansi_display *blank_;
    const xirr_glyph_font *font_;
};

#endif
