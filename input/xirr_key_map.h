#ifndef SKIFF_INPUT_XIRR_KEY_MAP_H
#define SKIFF_INPUT_XIRR_KEY_MAP_H

// The input line's key map as a decision table: a key press, its modifiers
// and a little state go in, the action to take comes out.  Toolkit-free: the
// window layer translates its own key codes into these.

// Key codes.  Printable ASCII keys keep their character code (letters as
// upper case); the keys below have codes of their own; any other key the
// toolkit reports becomes key_other_base + its toolkit code, so that repeat
// detection still tells keys apart.
enum xirr_key_code : int {
    key_backspace = 8,
    key_tab = 9,
    key_return = 13,
    key_escape = 27,
    key_delete = 127,

    key_left = 1000,
    key_right,
    key_up,
    key_down,
    key_home,
    key_end,
    key_page_up,
    key_page_down,

    // The number pad with Num Lock off.
    key_numpad_home,
    key_numpad_up,
    key_numpad_page_up,
    key_numpad_left,
    key_numpad_begin,
    key_numpad_right,
    key_numpad_end,
    key_numpad_down,
    key_numpad_page_down,
    key_numpad_add,
    key_numpad_subtract,
    key_numpad_enter,
    key_clear,

    key_f1 = 1100,  // key_f1 + n - 1 is Fn, n = 1..12
    key_f12 = 1111,

    key_other_base = 10000,
};

struct xirr_key_press {
    int code = 0;
    bool control = false;
    bool shift = false;
    bool alt = false;
    bool meta = false;
};

// What else the table looks at.
struct xirr_key_context {
    bool keypad_walking = false;   // character option keypad_walking
    bool cmd_pushthrough = false;  // character option cmd_pushthrough
    bool logged_in = false;
    bool whole_line_selected = false;
    bool repeat = false;           // auto-repeat of the key still held
    bool repeat_with_control = false;  // ... and Control was held last time
};

enum class xirr_key_action {
    type_normally,       // unlock the output unless locking scrollback, then the toolkit types it
    to_toolkit,          // straight to the toolkit (Control-Return: a newline)
    swallow,             // used up, nothing happens
    walk,                // text: the direction command
    cursor_to_start,     // whole line selected: cursor to the start
    skip_sent_command,   // whole line selected: cursor to the end, history up twice
    copy_or_break,       // Control-C
    clear_and_break,     // Control-D
    clear_and_abort,     // Control-backslash
    clear_line,          // Control-K
    paste,               // Control-V
    lock_output,         // Control-S, Control-Z
    unlock_output,       // Control-Q: main output, else the channel window
    toggle_automap,
    toggle_option,       // option
    bigger_font,
    smaller_font,
    channel_height,      // amount: +5 or -5
    automap_smaller,
    automap_bigger,
    input_height,        // amount: +12 or -12
    quick_popup,         // amount: 1..10
    submit,
    escape,
    history_up,
    history_down,
    page_up,             // lock the main output and page up
    page_down,
    function_key,        // text: "f01".."f12", maybe prefixed "c" or "s"
};

// Character options that Control-Shift digits flip.
enum class xirr_input_toggle {
    none,
    hpbar_enable,
    group_status_display,
    enemy_hpbar_enable,
    exp_display,
    fkey_button_display,
    popup_display,
    mw_scrollbar_enable,
};

struct xirr_key_decision {
    xirr_key_action action = xirr_key_action::type_normally;
    int amount = 0;
    xirr_input_toggle option = xirr_input_toggle::none;
    char text[16] = {0};
};

// The whole key map for one key press.  Pure; any thread.
xirr_key_decision decide_key(const xirr_key_press &key, const xirr_key_context &context);

// The walking command of a number-pad key, or null when the key is not one.
const char *walking_command(int code);

#endif
