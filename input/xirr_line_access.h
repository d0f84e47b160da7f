#ifndef SKIFF_INPUT_XIRR_LINE_ACCESS_H
#define SKIFF_INPUT_XIRR_LINE_ACCESS_H

#include <string>

// The editable text of the input line as the history and the key map see
// it: 8-bit bytes, one position per byte, with a cursor and a selection.
// The line edit window implements it over its text control.  Main thread
// only.
class xirr_line_access {
public:
    virtual ~xirr_line_access() = default;

    virtual std::string line_text() = 0;
    virtual long line_cursor() = 0;
    // Moves the cursor; any selection is dropped.
    virtual void set_line_cursor(long position) = 0;
    // True when a non-empty range is selected; from < to.
    virtual bool line_selection(long *from, long *to) = 0;
    virtual void select_whole_line() = 0;
    // Replaces the text (in the input style), cursor at the end.
    virtual void show_line(const std::string &text) = 0;
    virtual void clear_line() = 0;
    // Replaces the selection, or inserts at the cursor when none.
    virtual void insert_text(const std::string &text) = 0;
    // White on black in the main font (or the hidden style's black on
    // black while input is hidden).
    virtual void apply_input_style() = 0;
};

#endif
