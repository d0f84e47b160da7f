#ifndef SKIFF_INPUT_XIRR_LINE_EDIT_MODEL_H
#define SKIFF_INPUT_XIRR_LINE_EDIT_MODEL_H

#include <cstdint>
#include <string>

#include "input/xirr_command_history.h"
#include "input/xirr_input_host.h"
#include "input/xirr_key_map.h"
#include "input/xirr_line_access.h"

// Everything the input line does apart from being a text control: the
// histories, the key map and its actions, submitting, pasting, hidden input
// and the wheel.  The line edit window owns one and feeds it its events.
// Commands and the clipboard go through the_frame_services, the rest through
// the host; either may be null, and then those actions do nothing.  Main
// thread only.
class xirr_line_edit_model {
public:
    // Longest line sent; the rest of a longer one is cut off.
    static const int max_line = 4999;
    // Most bytes taken from the primary selection by one paste.
    static const int max_paste = 65536;

    void set_host(xirr_input_host *host) { host_ = host; }
    xirr_input_host *host() const { return host_; }

    xirr_command_history &history() { return history_; }
    void select_history_set(int set) { history_.select_history_set(set); }
    void history_store(const std::string &text);
    void history_up(xirr_line_access &line) { history_.history_up(line); }
    void history_down(xirr_line_access &line) { history_.history_down(line); }

    // Hidden input: nothing typed is stored in the history.  The window
    // changes the colours.
    void set_hidden_input(bool hidden) { hidden_input_ = hidden; }
    bool hidden_input() const { return hidden_input_; }

    // Sends the line (cut to max_line bytes) through process_command_line.
    void submit_line(xirr_line_access &line);
    // Inserts the primary selection (replacing the line's selection).
    void manual_clipboard_paste(xirr_line_access &line);
    // Lists the current set's 19 newest commands in the main output.
    void show_history();

    // A key press; true when the toolkit should go on with the key (normal
    // typing), false when it was used up here.
    bool key_press(const xirr_key_press &key, xirr_line_access &line);
    // A key release of that code; ends auto-repeat detection for it.
    void key_release(int code);
    // The line lost the focus: releases may never come, so forget held keys.
    void focus_lost() { key_held_ = false; }
    // A wheel rotation over the line, with the toolkit's delta per notch.
    void wheel(int rotation, int delta);

private:
    xirr_key_context make_context(const xirr_key_press &key, xirr_line_access &line);
    bool perform(const xirr_key_decision &decision, xirr_line_access &line);
    bool perform_control(const xirr_key_decision &decision, xirr_line_access &line);
    bool perform_keys(const xirr_key_decision &decision, xirr_line_access &line);
    void copy_or_break(xirr_line_access &line);
    void escape(xirr_line_access &line);
    void walk(const char *command);
    void function_key(const char *command);
    void unlock_if_locked();
    void unlock_channel_or_main();
    bool logged_in();

    xirr_command_history history_;
    xirr_input_host *host_ = nullptr;
    bool key_held_ = false;
    int last_key_code_ = -1;
    int last_control_ = -1;
    bool hidden_input_ = false;
    int64_t wheel_total_ = 0;
};

#endif
