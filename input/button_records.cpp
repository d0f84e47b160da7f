#include "input/button_records.h"

#include <climits>
#include <cstring>

#include "support/debug_log.h"

int tag_number(const char *text)
{
    if (!text)
        return 0;
    // Read like the C library reads a decimal int: leading white space and
    // a sign are allowed, and the value saturates instead of overflowing.
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        text++;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        text++;
    long long n = 0;
    for (; *text >= '0' && *text <= '9'; text++) {
        n = n * 10 + (*text - '0');
        if (n > (long long)INT_MAX + 1)
            n = (long long)INT_MAX + 1;
    }
    if (negative)
        return (int)-n;
    return n > INT_MAX ? INT_MAX : (int)n;
}

static const char *skip_digits(const char *p)
{
    while (*p >= '0' && *p <= '9')
        p++;
    return p;
}

bool parse_hint_record(const char *tag, const char *payload, hint_record &out)
{
    out = hint_record();
    if (!tag || !tag[0])
        return false;
    out.number = tag_number(tag + 1);
    if (out.number < 1 || out.number > 12) {
        if (debug_level > 1)
            debug_log("Warning in xirr_hint_buttons::setup_button(), requested button number %d is bogus.  Ignoring.\n",
                      out.number);
        return false;
    }
    if (*skip_digits(tag + 1) == 't')
        return false;
    if (!payload)
        payload = "";
    out.label.assign_line(payload);
    const char *lf = std::strchr(payload, '\n');
    if (lf && lf[1]) {
        out.has_command = true;
        out.command.set(lf + 1);
    }
    out.apply = true;
    return true;
}

bool parse_fkey_record(const char *tag, const char *payload, fkey_record &out)
{
    out = fkey_record();
    if (!tag || std::strlen(tag) < 2)
        return false;
    out.number = tag_number(tag + 2);
    if (out.number >= 9 && out.number <= 12)
        return false;
    if (out.number < 1 || out.number > 12) {
        if (debug_level > 1)
            debug_log("Warning in xirr_fkey_manager::setup_button(), requested button number %d is bogus.  Ignoring.\n",
                      out.number);
        return false;
    }
    if (!payload)
        payload = "";
    while (*payload == '\n')
        payload++;
    if (*payload) {
        out.has_caption = true;
        out.caption.assign_line(payload);
    }
    return true;
}
