#include "text/xirr_color_flash.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "support/debug_log.h"
#include "support/numbers.h"
#include "support/words.h"

rgb_color xirr_color_flash::GetColorFromHexString(const char *text)
{
    if (!text || strlen(text) <= 5) {
        if (debug_level > 1)
            debug_log("xirr_textctrl::GetColorFromHexString() - string too short.\n");
        return rgb_color(0, 0, 0);
    }
    int v[6];
    for (int i = 0; i < 6; i++) {
        char c = text[i];
        if (c >= '0' && c <= '9')
            v[i] = c - '0';
        else if (c >= 'a' && c <= 'f')
            v[i] = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v[i] = c - 'A' + 10;
        else {
            if (debug_level > 1)
                debug_log("xirr_textctrl::GetColorFromHexString() - string doesn't appear to be hex.\n");
            return rgb_color(0, 0, 0);
        }
    }
    return rgb_color(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
}

namespace {

// The word at text as a duration (an optional sign and digits); false for
// a missing or non-numeric word.
bool read_duration(const char *text, int *value)
{
    return text && parse_int(text, value);
}

const char *skip_blanks(const char *text)
{
    while (text && (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r'))
        text++;
    return text && *text ? text : nullptr;
}

const char *next_word(const char *text)
{
    return text ? next_arg(text) : nullptr;
}

} // namespace

int xirr_color_flash::parse(const char *arguments)
{
    const char *p = skip_blanks(arguments);
    rgb_color start = GetColorFromHexString(p);
    p = next_word(p);
    rgb_color target = GetColorFromHexString(p);
    p = next_word(p);
    int duration;
    if (!read_duration(p, &duration)) {
        if (debug_level > 1)
            debug_log("xirr_textctrl::parse_colorflash() - bad duration.\n");
        return -1;
    }
    record flash{start, {{target, duration, 0}}, 0};
    long long total = static_cast<long long>(duration) + 1;
    for (p = next_word(p); p; p = next_word(p)) {
        target = GetColorFromHexString(p);
        p = next_word(p);
        if (!read_duration(p, &duration)) {
            if (debug_level > 1)
                debug_log("xirr_textctrl::parse_colorflash() - bad subsequent duration.\n");
            break;
        }
        flash.segments.push_back({target, duration, 0});
        total += static_cast<long long>(duration) + 1;
    }
    flashes_.insert(flashes_.begin(), std::move(flash));
    if (flashes_.size() > max_flashes)
        flashes_.pop_back();
    return total > INT_MAX ? INT_MAX : total < 1 ? 1 : static_cast<int>(total);
}

// One step of every flash: the brightest channel over the active records.
// A record that has run out of segments is dropped without cutting the
// visit short, so the records after it still count on that tick.  A segment
// of duration 0 (or less) shows its start colour for one tick.
rgb_color xirr_color_flash::blend(const rgb_color &base)
{
    rgb_color best(0, 0, 0);
    bool blended = false;
    for (size_t i = 0; i < flashes_.size();) {
        record &f = flashes_[i];
        if (f.current >= f.segments.size()) {
            flashes_.erase(flashes_.begin() + i);
            continue;
        }
        segment &s = f.segments[f.current];
        long long d = s.duration, e = s.elapsed;
        rgb_color c = f.start;
        if (d > 0) {
            c.red = static_cast<int>(((d - e) * f.start.red + e * s.target.red) / d);
            c.green = static_cast<int>(((d - e) * f.start.green + e * s.target.green) / d);
            c.blue = static_cast<int>(((d - e) * f.start.blue + e * s.target.blue) / d);
        }
        best = blended ? rgb_color(std::max(best.red, c.red), std::max(best.green, c.green),
                                   std::max(best.blue, c.blue))
                       : c;
        blended = true;
        if (d - e > 0) {
            s.elapsed++;
        } else {
            f.start = s.target;
            f.current++;
        }
        i++;
    }
    return blended ? best : base;
}

