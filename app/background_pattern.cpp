#include "app/background_pattern.h"

#include <algorithm>

static int round_past_256(int v)
{
    return (v & ~255) + 256;
}

bool background_needs_rebuild(const background_record &old, int w, int h, int style, int theme,
                              bool force, int *new_width, int *new_height)
{
    bool keep = !force && old.exists && old.width >= w && old.height >= h && old.style == style &&
                old.theme == theme;
    if (keep)
        return false;
    *new_width = round_past_256(std::max(w, old.width));
    *new_height = round_past_256(std::max(h, old.height));
    return true;
}
