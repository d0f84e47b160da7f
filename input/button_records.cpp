#include "input/button_records.h"

#include <cstring>
#include <strings.h>

#include "support/debug_log.h"

int tag_number(const char *text)
{
    int n = 0;
    for (; text && *text >= '0' && *text <= '9'; text++) {
        n = n * 10 + (*text - '0');
        if (n > 99999999)
            return 999999999;
    }
    return n;
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

int exit_mask_from_letters(char c1, char c2)
{
    // Letters outside 'A'..0x60 would give negative or wider values; the
    // pad and the automap only know ten exits.
    unsigned hi = static_cast<unsigned>(c1 - 'A');
    unsigned lo = static_cast<unsigned>(c2 - 'A');
    return static_cast<int>(((hi << 5) | lo) & 0x3ff);
}

static bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

void parse_dirs_record(const char *payload, dirs_record &out)
{
    out = dirs_record();
    if (!payload)
        payload = "";
    const char *p = payload;
    while (is_blank(*p))
        p++;
    const char *word = p;
    while (*p && !is_blank(*p))
        p++;
    size_t len = p - word;
    if (len == 2 && strncasecmp(word, "on", 2) == 0)
        out.pad_switch = dirs_on;
    else if (len == 3 && strncasecmp(word, "off", 3) == 0)
        out.pad_switch = dirs_off;
    else if (debug_level > 1)
        debug_log("Warning in xirr_mw::process_tagged_data(), bad dirs string '%s'.\n", payload);
    while (is_blank(*p))
        p++;
    // Both letters are needed: a single one would read past the word.
    if (p[0] && !is_blank(p[0]) && p[1] && !is_blank(p[1])) {
        out.has_mask = true;
        out.mask = exit_mask_from_letters(p[0], p[1]);
    }
}
