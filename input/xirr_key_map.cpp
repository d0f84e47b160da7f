#include "input/xirr_key_map.h"

#include <cstdio>
#include <cstring>

namespace {

xirr_key_decision make(xirr_key_action action, int amount = 0)
{
    xirr_key_decision d;
    d.action = action;
    d.amount = amount;
    return d;
}

xirr_key_decision make_text(xirr_key_action action, const char *text)
{
    xirr_key_decision d = make(action);
    snprintf(d.text, sizeof d.text, "%s", text);
    return d;
}

xirr_key_decision toggle(xirr_input_toggle option)
{
    xirr_key_decision d = make(xirr_key_action::toggle_option);
    d.option = option;
    return d;
}

bool is_plus(int code) { return code == '+' || code == '=' || code == key_numpad_add; }
bool is_minus(int code) { return code == '-' || code == '_' || code == key_numpad_subtract; }

// Control-Shift with a digit: panel switches.
xirr_key_decision shifted_digit(int digit)
{
    switch (digit) {
    case 1: return make(xirr_key_action::toggle_automap);
    case 2: return toggle(xirr_input_toggle::group_status_display);
    case 3: return toggle(xirr_input_toggle::hpbar_enable);
    case 4: return toggle(xirr_input_toggle::enemy_hpbar_enable);
    case 5: return toggle(xirr_input_toggle::exp_display);
    case 7: return toggle(xirr_input_toggle::fkey_button_display);
    case 8: return toggle(xirr_input_toggle::popup_display);
    case 9: return toggle(xirr_input_toggle::mw_scrollbar_enable);
    default: return make(xirr_key_action::swallow);  // 6 and 0 do nothing
    }
}

// The Control table; found is false for a key that is not in it.
xirr_key_decision control_table(int code, bool shift, bool *found)
{
    *found = true;
    // Shift-[ and Shift-] arrive as braces on some keyboards.
    if (code == '{' || code == '}') {
        code = code == '{' ? '[' : ']';
        shift = true;
    }
    switch (code) {
    case 'C': return make(xirr_key_action::copy_or_break);
    case 'D': return make(xirr_key_action::clear_and_break);
    case '\\': return make(xirr_key_action::clear_and_abort);
    case 'K': return make(xirr_key_action::clear_line);
    case 'V': return make(xirr_key_action::paste);
    case 'S':
    case 'Z': return make(xirr_key_action::lock_output);
    case 'Q': return make(xirr_key_action::unlock_output);
    case 'M': return make(xirr_key_action::toggle_automap);
    case 'P': return toggle(xirr_input_toggle::hpbar_enable);
    case '[':
        return shift ? make(xirr_key_action::input_height, -12)
                     : make(xirr_key_action::automap_smaller);
    case ']':
        return shift ? make(xirr_key_action::input_height, 12)
                     : make(xirr_key_action::automap_bigger);
    default: break;
    }
    if (is_plus(code))
        return shift ? make(xirr_key_action::channel_height, 5) : make(xirr_key_action::bigger_font);
    if (is_minus(code))
        return shift ? make(xirr_key_action::channel_height, -5) : make(xirr_key_action::smaller_font);
    if (code >= '0' && code <= '9') {
        int digit = code - '0';
        if (shift)
            return shifted_digit(digit);
        return make(xirr_key_action::quick_popup, digit == 0 ? 10 : digit);
    }
    *found = false;
    return make(xirr_key_action::type_normally);
}

xirr_key_decision function_key(const xirr_key_press &key, const xirr_key_context &context)
{
    if (!context.logged_in)
        return make(xirr_key_action::type_normally);
    bool control = key.control || key.meta;
    if (key.alt && !control)
        return make(xirr_key_action::type_normally);
    const char *prefix = control ? "c" : key.shift ? "s" : "";
    char text[16];
    snprintf(text, sizeof text, "%sf%02d", prefix, key.code - key_f1 + 1);
    return make_text(xirr_key_action::function_key, text);
}

// The key table, with or without Control.
xirr_key_decision key_table(const xirr_key_press &key, const xirr_key_context &context)
{
    switch (key.code) {
    case key_return:
    case key_numpad_enter:
        return make(key.control ? xirr_key_action::to_toolkit : xirr_key_action::submit);
    case key_escape: return make(xirr_key_action::escape);
    case key_up: return make(key.control ? xirr_key_action::page_up : xirr_key_action::history_up);
    case key_down:
        return make(key.control ? xirr_key_action::page_down : xirr_key_action::history_down);
    case key_page_up: return make(xirr_key_action::page_up);
    case key_page_down: return make(xirr_key_action::page_down);
    default: break;
    }
    if (key.code >= key_f1 && key.code <= key_f12)
        return function_key(key, context);
    return make(xirr_key_action::type_normally);
}

// Keys that act on a line that is selected as a whole (the command just
// sent, with cmd_pushthrough); found is false when none applies.
xirr_key_decision whole_line_keys(const xirr_key_press &key, const xirr_key_context &context,
                                  bool *found)
{
    *found = true;
    bool home = key.code == key_left || key.code == key_home || key.code == key_numpad_home;
    if (home && context.cmd_pushthrough)
        return make(xirr_key_action::cursor_to_start);
    if (key.code == key_up && !key.control && !key.shift)
        return make(xirr_key_action::skip_sent_command);
    *found = false;
    return make(xirr_key_action::type_normally);
}

}  // namespace

const char *walking_command(int code)
{
    switch (code) {
    case key_numpad_home: return "northwest";
    case key_numpad_up: return "north";
    case key_numpad_page_up: return "northeast";
    case key_numpad_left: return "west";
    case key_numpad_begin:
    case key_clear: return "scan -sk";
    case key_numpad_right: return "east";
    case key_numpad_end: return "southwest";
    case key_numpad_down: return "south";
    case key_numpad_page_down: return "southeast";
    case key_numpad_add: return "up";
    case key_numpad_subtract: return "down";
    default: return nullptr;
    }
}

xirr_key_decision decide_key(const xirr_key_press &key, const xirr_key_context &context)
{
    const char *direction = walking_command(key.code);
    if (direction && context.keypad_walking && !key.control && !key.shift) {
        if (context.repeat)
            return make(xirr_key_action::swallow);
        return make_text(xirr_key_action::walk, direction);
    }
    bool found = false;
    if (context.whole_line_selected) {
        xirr_key_decision d = whole_line_keys(key, context, &found);
        if (found)
            return d;
    }
    if (key.control) {
        if (context.repeat_with_control && key.code != key_backspace)
            return make(xirr_key_action::swallow);
        xirr_key_decision d = control_table(key.code, key.shift, &found);
        if (found)
            return d;
    }
    return key_table(key, context);
}
