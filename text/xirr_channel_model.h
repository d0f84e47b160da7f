#ifndef SKIFF_TEXT_XIRR_CHANNEL_MODEL_H
#define SKIFF_TEXT_XIRR_CHANNEL_MODEL_H

#include <memory>
#include <vector>

class xirr_channel_button;
class xirr_channel_display;
class xirr_glyph_font;

// One chat channel of the tabbed channel window.  The tab and display are
// the window's (null in tests without one).
struct xirr_channel_entry {
    static const int max_name = 39;

    char name[max_name + 1];
    xirr_channel_button *tab = nullptr;
    xirr_channel_display *display = nullptr;
    int page = 0;
    // Unseen text arrived while the channel was not current.
    bool new_text = false;
};

// The looks of a tab (and of its small page square), kept in the button's
// state: the current channel, one with unseen text, any other.
enum channel_tab_look { tab_look_current = 0, tab_look_new_text = 1, tab_look_plain = 2 };

// Where everything of the channel window goes inside its rectangle, for tab
// labels measuring tw x th and n channels on the page shown.
struct channel_window_geometry {
    int tab_height = 1;       // T = th + 4
    int room = 1;             // width left of the page button
    int tab_width = 1;
    int page_button_x = 0, page_button_y = 0, page_button_size = 1;
    int placeholder_x = 0, placeholder_y = 0;   // tab_width x tab_height
    int display_x = 0, display_y = 0, display_width = 1, display_height = 1;
    int first_tab_x = 0, tab_y = 0, tab_step = 3;
    // The small page square inside each tab, relative to the tab.
    int square_x = 0, square_y = 3, square_size = 1;

    int tab_x(int index) const { return first_tab_x + index * tab_step; }
};

// The text tabs are measured with, the room for an 18-character label.
extern const char *const channel_tab_measure_text;
// The name of the combined channel.
extern const char *const all_channel_name;

channel_window_geometry compute_channel_geometry(int x, int y, int width, int height, int tw,
                                                 int th, int channels_on_page);

// The state of the tabbed channel window without its windows: channels
// sorted byte-wise by name, the two pages, the current channel of each
// page, the divert channel and "(all)", and the new-text flags.
// Main thread only.
class xirr_channel_model {
public:
    xirr_channel_model() = default;
    xirr_channel_model(const xirr_channel_model &) = delete;
    xirr_channel_model &operator=(const xirr_channel_model &) = delete;

    // The channel of that name (cut to 39 characters, compared exactly), or
    // null.  A null name counts as empty.
    xirr_channel_entry *find(const char *name) const;
    // A new channel of that name (cut to 39 characters) on the page shown,
    // placed before the first whose name is equal or greater (byte-wise);
    // the first channel made while none is current becomes current.
    // The caller has checked that the name is not there yet.
    xirr_channel_entry *insert(const char *name);

    // Makes the named channel current; null (nothing changes) when there is
    // none of that name.
    xirr_channel_entry *select(const char *name);
    // Keeps the current channel if it is on the page shown, else takes the
    // first channel of that page; with none there, the current one stays.
    void choose_current();
    // Shows the other page: the current channels of the two pages swap and
    // the current one is chosen again.  Returns the page now shown.
    int switch_page();
    // Moves a channel's tab to the page not shown.
    void move_to_other_page(xirr_channel_entry *entry);
    // Text arrived for a channel: a channel that is not current gets the
    // new-text flag.  Returns whether it got it.
    bool note_text(xirr_channel_entry *entry);
    // The new-text flag ends when the channel's tab is clicked.
    void clear_new_text(xirr_channel_entry *entry);
    // Forgets every channel, the current ones, the divert channel and
    // "(all)"; the page shown stays.
    void clear();

    channel_tab_look look_of(const xirr_channel_entry *entry) const;
    int channels_on_page(int page) const;
    // The position of a channel among the tabs of its page, or -1.
    int tab_index(const xirr_channel_entry *entry) const;

    const std::vector<std::unique_ptr<xirr_channel_entry>> &channels() const { return channels_; }
    int page() const { return page_; }
    xirr_channel_entry *current() const { return current_; }
    xirr_channel_entry *other_page_current() const { return other_page_current_; }

    xirr_channel_entry *divert_channel = nullptr;
    xirr_channel_entry *all_channel = nullptr;

private:
    std::vector<std::unique_ptr<xirr_channel_entry>> channels_;
    xirr_channel_entry *current_ = nullptr;
    xirr_channel_entry *other_page_current_ = nullptr;
    int page_ = 0;
};

#endif
