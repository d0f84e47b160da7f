#ifndef SKIFF_INPUT_XIRR_INPUT_SETTINGS_H
#define SKIFF_INPUT_XIRR_INPUT_SETTINGS_H

// The character options the input line reads and changes, reached through
// these few functions only.  Main thread only.
enum class xirr_input_setting {
    keypad_walking,
    cmd_pushthrough,
    locking_scrollback_enable,
    input_height,
    channel_window_height,
    hpbar_enable,
    group_status_display,
    enemy_hpbar_enable,
    exp_display,
    fkey_button_display,
    popup_display,
    mw_scrollbar_enable,
};

// The current character's value (0 without a current character).
int input_setting(xirr_input_setting setting);
// Stores through the option's setter, with the setter's usual effects.
void store_input_setting(xirr_input_setting setting, int value);

#endif
