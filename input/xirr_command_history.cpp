#include "input/xirr_command_history.h"

#include "support/debug_log.h"

xirr_command_history::xirr_command_history()
{
    for (auto &set : slots_) {
        set[0] = std::string();
        set[1] = std::string();
    }
    // The first Up while disconnected offers to connect.
    slots_[0][2] = std::string("connect");
}

bool xirr_command_history::select_history_set(int set)
{
    if (set < 0 || set >= set_count) {
        if (debug_level > 0)
            debug_log("Error in xirr_line_edit::select_history_set(), bad set %d.\n", set);
        return false;
    }
    saved_positions_[current_] = position_;
    current_ = set;
    position_ = saved_positions_[set];
    return true;
}

const std::string *xirr_command_history::slot(int index) const
{
    if (index < 0 || index >= slot_count || !slots_[current_][index])
        return nullptr;
    return &*slots_[current_][index];
}

void xirr_command_history::history_store(const std::string &text)
{
    std::string command = text.substr(0, max_command);
    if (!at(2) || *at(2) != command) {
        for (int i = slot_count - 1; i > 2; i--)
            at(i) = std::move(at(i - 1));
        at(2) = std::move(command);
    }
    position_ = 1;
    if (!at(1)) {
        if (debug_level > 0)
            debug_log("Error in history_store(), entry 1 null?\n");
        return;
    }
    at(1)->clear();
}

void xirr_command_history::history_up(xirr_line_access &line)
{
    std::string text = line.line_text();
    long cursor = line.line_cursor();
    if (cursor < static_cast<long>(text.size())) {
        // Up within a multi-line entry: to the end of the line above.
        long newline = cursor > 0 ? static_cast<long>(text.rfind('\n', cursor - 1)) : -1;
        line.set_line_cursor(newline >= 0 ? newline : 0);
        return;
    }
    if (position_ < 0 || position_ >= slot_count - 1 || !at(position_) || !at(position_ + 1))
        return;
    if (position_ == 1)
        *at(1) = text;
    position_++;
    line.show_line(*at(position_));
}

void xirr_command_history::history_down(xirr_line_access &line)
{
    std::string text = line.line_text();
    long cursor = line.line_cursor();
    if (cursor < static_cast<long>(text.size())) {
        size_t newline = text.find('\n', cursor);
        line.set_line_cursor(newline == std::string::npos ? static_cast<long>(text.size())
                                                          : static_cast<long>(newline) + 1);
        return;
    }
    if (position_ < 1) {
        line.clear_line();
        return;
    }
    if (!at(position_))
        return;
    if (position_ == 1)
        *at(1) = text;
    position_--;
    if (at(position_))
        line.show_line(*at(position_));
}
