#ifndef SKIFF_INPUT_BUTTON_RECORDS_H
#define SKIFF_INPUT_BUTTON_RECORDS_H

#include "support/fixed_text.h"

// The server records that set up the button bars, decoded without any
// window, so that the bars only apply the result.  Each parser writes its
// own warnings to the debug log.  Main thread only.

// The decimal number that starts at text (after any white space, with an
// optional sign; 0 when there is none).  Values beyond the int range
// saturate at INT_MIN or INT_MAX.
int tag_number(const char *text);

// "b" N records: one hint button.
struct hint_record {
    int number = 0;          // 1 to 12 when valid
    bool apply = false;      // false: bogus number or a "t" record
    bool has_command = false;
    fixed_text label;        // the payload's first line
    fixed_text command;      // everything after it (the button cuts it)
};

// Decodes a hint record; false when it must be ignored (the bogus-number
// warning is logged here).
bool parse_hint_record(const char *tag, const char *payload, hint_record &out);

// "bf" N records: one function-key caption.
struct fkey_record {
    int number = 0;
    bool has_caption = false;  // false: the key loses its caption
    fixed_text caption;        // the first non-empty line
};

// Decodes a function-key record; false when it must be ignored (numbers 9
// to 12 silently, any other bad number with the bogus-number warning).
bool parse_fkey_record(const char *tag, const char *payload, fkey_record &out);

#endif
