#include "config/char_options.h"

#include <strings.h>

static const char_option_info option_table[] = {
#define SKIFF_OPTION_ROW(key, def, load, lo, hi, fb, kind) \
    {#key, def, option_load_check::load, lo, hi, fb, option_setter_kind::kind},
    SKIFF_CHAR_OPTIONS(SKIFF_OPTION_ROW)
#undef SKIFF_OPTION_ROW
};

static_assert(sizeof(option_table) / sizeof(option_table[0]) == char_option_count,
              "one table row per option");

const char_option_info &option_info(char_option option)
{
    return option_table[static_cast<int>(option)];
}

const char_option_info *find_option_info(const char *key, char_option *option)
{
    if (!key)
        return nullptr;
    for (int i = 0; i < char_option_count; ++i) {
        if (strcasecmp(option_table[i].key, key) == 0) {
            if (option)
                *option = static_cast<char_option>(i);
            return &option_table[i];
        }
    }
    return nullptr;
}

int apply_load_check(char_option option, int value)
{
    const char_option_info &info = option_info(option);
    switch (info.load) {
    case option_load_check::bit:
        return value & 1;
    case option_load_check::range:
        return value < info.low || value > info.high ? info.fallback : value;
    case option_load_check::clamp:
        return value < info.low ? info.low : value > info.high ? info.high : value;
    case option_load_check::none:
        break;
    }
    return value;
}
