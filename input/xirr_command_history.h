#ifndef SKIFF_INPUT_XIRR_COMMAND_HISTORY_H
#define SKIFF_INPUT_XIRR_COMMAND_HISTORY_H

#include <optional>
#include <string>

#include "input/xirr_line_access.h"

// The input line's three command histories, one per connection phase
// (0 disconnected, 1 connected, 2 logged in), and the browsing position.
// Each set has 100 slots: slot 0 is always empty text, slot 1 keeps what was
// typed before browsing (the edit slot), slots 2-99 the stored commands,
// most recent in slot 2.  An absent slot ends browsing.  Main thread only.
class xirr_command_history {
public:
    static const int set_count = 3;
    static const int slot_count = 100;
    // Longest command kept, as submit_line cuts it.
    static const int max_command = 4999;

    xirr_command_history();

    // Saves the current set's position and switches; another set number is
    // refused (false).
    bool select_history_set(int set);
    int current_set() const { return current_; }
    int position() const { return position_; }

    // Stores a command in the current set (at most max_command bytes); the
    // same text as the newest is not stored twice.  Either way browsing
    // returns to the edit slot, which is emptied.
    void history_store(const std::string &text);

    // Browse the current set, or move between the lines of a multi-line
    // entry when the cursor is not at the end of the text.
    void history_up(xirr_line_access &line);
    void history_down(xirr_line_access &line);

    // A slot of the current set, or null when absent.
    const std::string *slot(int index) const;

private:
    std::optional<std::string> &at(int index) { return slots_[current_][index]; }

    std::optional<std::string> slots_[set_count][slot_count];
    int current_ = 0;
    int position_ = 1;
    int saved_positions_[set_count] = {1, 1, 1};
};

#endif
