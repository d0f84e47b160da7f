#ifndef SKIFF_INPUT_XIRR_INPUT_HOST_H
#define SKIFF_INPUT_XIRR_INPUT_HOST_H

// What the input line's keys do to the rest of the client, beyond the
// command line and the clipboard of frame_services.  The main frame
// implements it by forwarding to the main output, the channel window, the
// connection and its menu handlers.  Main thread only.
class xirr_input_host {
public:
    virtual ~xirr_input_host() = default;

    virtual bool is_logged_in() = 0;

    // The main output's scroll lock, paging and selection.
    virtual bool main_output_following() = 0;
    virtual void lock_main_output() = 0;
    virtual void unlock_main_output() = 0;
    virtual void page_up_main_output() = 0;
    virtual void page_down_main_output() = 0;
    virtual void scroll_main_output_up(int rows) = 0;
    virtual void scroll_main_output_down(int rows) = 0;
    virtual bool main_output_has_selection() = 0;
    virtual void clear_main_output_selection() = 0;

    // The channel window's current tab.
    virtual bool channel_window_following() = 0;
    virtual void unlock_channel_window() = 0;
    virtual void clear_channel_window_selection() = 0;

    // The connection: the break byte and the abort.
    virtual void send_break() = 0;
    virtual void send_abort() = 0;

    // Menu actions bound to keys.
    virtual void toggle_automap() = 0;
    virtual void bigger_font() = 0;
    virtual void smaller_font() = 0;
    virtual void increase_automap_size() = 0;
    virtual void decrease_automap_size() = 0;
    // Opens or closes the n-th server popup window (n = 1..10).
    virtual void toggle_quick_popup(int n) = 0;
    // Lays the frame out again after a panel height changed; repaint asks
    // for a repaint of the frame as well.
    virtual void relayout_frame(bool repaint) = 0;
};

#endif
