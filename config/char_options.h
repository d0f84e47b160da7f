#ifndef SKIFF_CONFIG_CHAR_OPTIONS_H
#define SKIFF_CONFIG_CHAR_OPTIONS_H

// The integer options of a character configuration, in file order.
//
// Columns: key, default, load check, low, high, fallback, setter kind.
//   load check  bit:   a loaded value is reduced to its lowest bit
//               range: outside low..high it becomes the fallback
//               clamp: it is clamped into low..high
//               none:  taken as it is
//   setter kind check:   store, notify (even for the same value)
//               status:  store, notify, request a status report (even for
//                        the same value)
//               store:   store, notify
//               changed: the same value does nothing at all; otherwise store,
//                        notify and request a status report
//               changed_quiet: like changed, without the status report
#define SKIFF_CHAR_OPTIONS(X)                                        \
    X(keypad_walking, 1, bit, 0, 1, 0, check)                        \
    X(url_hotlinking, 1, bit, 0, 1, 0, check)                        \
    X(compact_mode, 0, bit, 0, 1, 0, check)                          \
    X(local_echo, 1, bit, 0, 1, 0, check)                            \
    X(cmd_separator, 1, bit, 0, 1, 0, status)                        \
    X(cmd_pushthrough, 0, bit, 0, 1, 0, check)                       \
    X(hint_button_enable, 1, bit, 0, 1, 0, changed)                  \
    X(direction_button_enable, 0, bit, 0, 1, 0, changed)             \
    X(fkey_button_display, 0, bit, 0, 1, 0, changed)                 \
    X(button_tooltips, 0, bit, 0, 1, 0, store)                       \
    X(status_bar, 1, bit, 0, 1, 0, changed)                          \
    X(sky_bar, 1, bit, 0, 1, 0, changed)                             \
    X(exp_display, 1, bit, 0, 1, 0, changed)                         \
    X(hpbar_enable, 1, bit, 0, 1, 0, changed)                        \
    X(hp_display, 0, bit, 0, 1, 0, store)                            \
    X(enemy_hpbar_enable, 1, bit, 0, 1, 0, changed)                  \
    X(enemy_hp_display, 1, bit, 0, 1, 0, store)                      \
    X(group_status_display, 1, range, 0, 2, 0, changed)              \
    X(group_status_inverted_bars, 1, bit, 0, 1, 0, check)            \
    X(popup_display, 1, bit, 0, 1, 0, changed)                       \
    X(locking_scrollback_enable, 0, bit, 0, 1, 0, check)             \
    X(mw_scrollbar_enable, 1, bit, 0, 1, 0, changed_quiet)           \
    X(current_layout, 2, clamp, 0, 2, 0, changed)                    \
    X(current_theme, 1, none, 0, 0, 0, changed)                      \
    X(current_background_theme, 2, none, 0, 0, 0, changed)          \
    X(font_colors_setting, 0, range, 0, 3, 0, status)                \
    X(theme_bg_setting, 3, range, 0, 5, 3, changed)                  \
    X(automap_docked, 1, bit, 0, 1, 0, status)                       \
    X(automap_display, 1, bit, 0, 1, 0, status)                      \
    X(automap_size, 11, range, 1, 400, 11, store)                    \
    X(input_height, 48, range, 24, 800, 48, store)                   \
    X(channel_window_enable, 0, bit, 0, 1, 0, changed)               \
    X(channel_window_height, 25, range, 10, 80, 25, store)           \
    X(channel_window_dupe, 1, bit, 0, 1, 0, status)                  \
    X(colorflash_enable, 1, bit, 0, 1, 0, status)

enum class char_option {
#define SKIFF_OPTION_ENUM(key, def, load, lo, hi, fb, kind) key,
    SKIFF_CHAR_OPTIONS(SKIFF_OPTION_ENUM)
#undef SKIFF_OPTION_ENUM
};

const int char_option_count = 0
#define SKIFF_OPTION_COUNT(key, def, load, lo, hi, fb, kind) +1
    SKIFF_CHAR_OPTIONS(SKIFF_OPTION_COUNT)
#undef SKIFF_OPTION_COUNT
    ;

enum class option_load_check { bit, range, clamp, none };
enum class option_setter_kind { check, status, store, changed, changed_quiet };

struct char_option_info {
    const char *key;  // also the XML element name
    int default_value;
    option_load_check load;
    int low;
    int high;
    int fallback;
    option_setter_kind setter;
};

// The table row of an option; key lookup ignores ASCII case (XML element
// names are compared that way) and gives null for an unknown key.
const char_option_info &option_info(char_option option);
const char_option_info *find_option_info(const char *key, char_option *option);

// A loaded value forced into the option's range.
int apply_load_check(char_option option, int value);

#endif
