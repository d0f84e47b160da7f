#include "config/char_config.h"

#include <cstring>

void popup_window_position::set_name(const char *text)
{
    name[0] = 0;
    if (!text)
        return;
    size_t n = strnlen(text, name_capacity - 1);
    memcpy(name, text, n);
    name[n] = 0;
}

char_config::char_config()
{
    reset_options();
}

void char_config::reset_options()
{
    for (int i = 0; i < char_option_count; ++i)
        options[i] = option_info(static_cast<char_option>(i)).default_value;
}

void char_config::apply_load_checks()
{
    for (int i = 0; i < char_option_count; ++i)
        options[i] = apply_load_check(static_cast<char_option>(i), options[i]);
    if (font_size < 2 || font_size > 150)
        font_size = 10;
}

popup_window_position *char_config::find_popup(const char *popup_name)
{
    if (!popup_name)
        popup_name = "";
    for (popup_window_position &p : popup_windows)
        if (strcmp(p.name, popup_name) == 0)
            return &p;
    return nullptr;
}

const popup_window_position *char_config::find_popup(const char *popup_name) const
{
    return const_cast<char_config *>(this)->find_popup(popup_name);
}
