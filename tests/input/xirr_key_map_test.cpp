#include <gtest/gtest.h>

#include <cstring>

#include "input/xirr_key_map.h"

namespace {

xirr_key_press press(int code, const char *mods = "")
{
    xirr_key_press k;
    k.code = code;
    k.control = strchr(mods, 'C') != nullptr;
    k.shift = strchr(mods, 'S') != nullptr;
    k.alt = strchr(mods, 'A') != nullptr;
    k.meta = strchr(mods, 'M') != nullptr;
    return k;
}

struct key_case {
    const char *name;
    int code;
    const char *mods;
    xirr_key_action action;
    int amount;
    const char *text;
};

}  // namespace

// One row per key binding, logged in with walking on and nothing selected.
TEST(key_map, table_of_bindings)
{
    using A = xirr_key_action;
    const key_case cases[] = {
        {"numpad 7 walks", key_numpad_home, "", A::walk, 0, "northwest"},
        {"numpad 8", key_numpad_up, "", A::walk, 0, "north"},
        {"numpad 9", key_numpad_page_up, "", A::walk, 0, "northeast"},
        {"numpad 4", key_numpad_left, "", A::walk, 0, "west"},
        {"numpad 5", key_numpad_begin, "", A::walk, 0, "scan -sk"},
        {"clear", key_clear, "", A::walk, 0, "scan -sk"},
        {"numpad 6", key_numpad_right, "", A::walk, 0, "east"},
        {"numpad 1", key_numpad_end, "", A::walk, 0, "southwest"},
        {"numpad 2", key_numpad_down, "", A::walk, 0, "south"},
        {"numpad 3", key_numpad_page_down, "", A::walk, 0, "southeast"},
        {"numpad +", key_numpad_add, "", A::walk, 0, "up"},
        {"numpad -", key_numpad_subtract, "", A::walk, 0, "down"},
        {"alt does not stop walking", key_numpad_up, "A", A::walk, 0, "north"},
        {"shift stops walking", key_numpad_up, "S", A::type_normally, 0, ""},
        {"ctrl numpad + is bigger font", key_numpad_add, "C", A::bigger_font, 0, ""},
        {"ctrl-shift numpad -", key_numpad_subtract, "CS", A::channel_height, -5, ""},
        {"ctrl-c", 'C', "C", A::copy_or_break, 0, ""},
        {"ctrl-shift-c same", 'C', "CS", A::copy_or_break, 0, ""},
        {"ctrl-d", 'D', "C", A::clear_and_break, 0, ""},
        {"ctrl-backslash", '\\', "C", A::clear_and_abort, 0, ""},
        {"ctrl-k", 'K', "C", A::clear_line, 0, ""},
        {"ctrl-v", 'V', "C", A::paste, 0, ""},
        {"ctrl-s", 'S', "C", A::lock_output, 0, ""},
        {"ctrl-z", 'Z', "C", A::lock_output, 0, ""},
        {"ctrl-q", 'Q', "C", A::unlock_output, 0, ""},
        {"ctrl-m", 'M', "C", A::toggle_automap, 0, ""},
        {"ctrl-=", '=', "C", A::bigger_font, 0, ""},
        {"ctrl-+", '+', "C", A::bigger_font, 0, ""},
        {"ctrl-shift-=", '=', "CS", A::channel_height, 5, ""},
        {"ctrl--", '-', "C", A::smaller_font, 0, ""},
        {"ctrl-_", '_', "CS", A::channel_height, -5, ""},
        {"ctrl-[", '[', "C", A::automap_smaller, 0, ""},
        {"ctrl-]", ']', "C", A::automap_bigger, 0, ""},
        {"ctrl-shift-[", '[', "CS", A::input_height, -12, ""},
        {"ctrl-{", '{', "C", A::input_height, -12, ""},
        {"ctrl-shift-]", ']', "CS", A::input_height, 12, ""},
        {"ctrl-1", '1', "C", A::quick_popup, 1, ""},
        {"ctrl-9", '9', "C", A::quick_popup, 9, ""},
        {"ctrl-0", '0', "C", A::quick_popup, 10, ""},
        {"ctrl-shift-1", '1', "CS", A::toggle_automap, 0, ""},
        {"ctrl-shift-6", '6', "CS", A::swallow, 0, ""},
        {"ctrl-shift-0", '0', "CS", A::swallow, 0, ""},
        {"ctrl-x not in table", 'X', "C", A::type_normally, 0, ""},
        {"return", key_return, "", A::submit, 0, ""},
        {"numpad enter", key_numpad_enter, "", A::submit, 0, ""},
        {"ctrl-return newline", key_return, "C", A::to_toolkit, 0, ""},
        {"escape", key_escape, "", A::escape, 0, ""},
        {"up", key_up, "", A::history_up, 0, ""},
        {"down", key_down, "", A::history_down, 0, ""},
        {"ctrl-up pages", key_up, "C", A::page_up, 0, ""},
        {"ctrl-down pages", key_down, "C", A::page_down, 0, ""},
        {"page up", key_page_up, "", A::page_up, 0, ""},
        {"page down", key_page_down, "S", A::page_down, 0, ""},
        {"f1", key_f1, "", A::function_key, 0, "f01"},
        {"shift-f3", key_f1 + 2, "S", A::function_key, 0, "sf03"},
        {"ctrl-f12", key_f12, "C", A::function_key, 0, "cf12"},
        {"meta-shift-f5", key_f1 + 4, "MS", A::function_key, 0, "cf05"},
        {"alt-f4 not handled", key_f1 + 3, "A", A::type_normally, 0, ""},
        {"ctrl-alt-f4", key_f1 + 3, "CA", A::function_key, 0, "cf04"},
        {"letter", 'A', "", A::type_normally, 0, ""},
        {"left", key_left, "", A::type_normally, 0, ""},
    };
    xirr_key_context context;
    context.keypad_walking = true;
    context.logged_in = true;
    for (const key_case &c : cases) {
        xirr_key_decision d = decide_key(press(c.code, c.mods), context);
        EXPECT_EQ(d.action, c.action) << c.name;
        EXPECT_EQ(d.amount, c.amount) << c.name;
        EXPECT_STREQ(d.text, c.text) << c.name;
    }
}

TEST(key_map, shifted_control_digits_name_their_options)
{
    const xirr_input_toggle expected[] = {
        xirr_input_toggle::none, xirr_input_toggle::none,  // 0 swallowed, 1 automap
        xirr_input_toggle::group_status_display, xirr_input_toggle::hpbar_enable,
        xirr_input_toggle::enemy_hpbar_enable, xirr_input_toggle::exp_display,
        xirr_input_toggle::none, xirr_input_toggle::fkey_button_display,
        xirr_input_toggle::popup_display, xirr_input_toggle::mw_scrollbar_enable};
    xirr_key_context context;
    for (int digit = 0; digit <= 9; digit++)
        EXPECT_EQ(decide_key(press('0' + digit, "CS"), context).option, expected[digit]) << digit;
    EXPECT_EQ(decide_key(press('P', "C"), context).option, xirr_input_toggle::hpbar_enable);
}

TEST(key_map, state_changes_the_outcome)
{
    using A = xirr_key_action;
    xirr_key_context off;  // not logged in, walking off
    EXPECT_EQ(decide_key(press(key_numpad_up), off).action, A::type_normally);
    EXPECT_EQ(decide_key(press(key_f1 + 2, "S"), off).action, A::type_normally);

    xirr_key_context repeat;
    repeat.keypad_walking = true;
    repeat.repeat = true;
    EXPECT_EQ(decide_key(press(key_numpad_up), repeat).action, A::swallow);

    xirr_key_context control_repeat;
    control_repeat.repeat = control_repeat.repeat_with_control = true;
    EXPECT_EQ(decide_key(press('D', "C"), control_repeat).action, A::swallow);
    EXPECT_EQ(decide_key(press(key_backspace, "C"), control_repeat).action, A::type_normally);
    // A held key that is repeating without Control last time is not ignored.
    EXPECT_EQ(decide_key(press('D', "C"), repeat).action, A::clear_and_break);

    xirr_key_context whole;
    whole.whole_line_selected = true;
    EXPECT_EQ(decide_key(press(key_up), whole).action, A::skip_sent_command);
    EXPECT_EQ(decide_key(press(key_up, "S"), whole).action, A::history_up);
    EXPECT_EQ(decide_key(press(key_home), whole).action, A::type_normally);
    whole.cmd_pushthrough = true;
    for (int code : {(int)key_left, (int)key_home, (int)key_numpad_home})
        EXPECT_EQ(decide_key(press(code), whole).action, A::cursor_to_start) << code;
    whole.keypad_walking = true;
    EXPECT_EQ(decide_key(press(key_numpad_home), whole).action, A::walk);
}
