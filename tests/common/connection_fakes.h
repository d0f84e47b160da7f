#ifndef SKIFF_TESTS_COMMON_CONNECTION_FAKES_H
#define SKIFF_TESTS_COMMON_CONNECTION_FAKES_H

#include <cstdio>
#include <string>
#include <vector>

#include "protocol/xirr_connection_host.h"
#include "protocol/xirr_socket_data_sink.h"

// A stand-in for the main frame: records what the game connection does to
// it.  The main output collects printed text with "[attribute;colour]"
// marks for colour changes (colour in hex, so bold yellow is "[1;33]").
class recording_connection_host : public xirr_connection_host {
public:
    std::string output;
    std::vector<std::string> commands;  // process_command_line texts
    std::string title = "Veymoor - Someone";
    int history_set = -1;
    std::string hint_buttons[12][2];     // label, command
    int unlocks = 0;
    int vote_checks = 0;
    int logged_out_looks = 0;
    int relayouts = 0;
    int popup_closes = 0;
    int automap_clears = 0;
    bool direction_buttons = true;

    void begin_message() override { output += "<msg>"; }
    void print(const char *text) override { output += text; }
    void apply_main_output_sgr(int attribute, int color) override
    {
        char mark[32];
        snprintf(mark, sizeof mark, "[%d;%x]", attribute, color);
        output += mark;
    }
    void refresh_main_output() override {}
    void unlock_main_output() override { unlocks++; }
    void process_command_line(const char *text, bool echo) override
    {
        commands.push_back(std::string(text) + (echo ? " (echo)" : ""));
    }
    void select_history_set(int set) override { history_set = set; }
    void clear_hint_buttons() override
    {
        for (auto &button : hint_buttons)
            button[0] = button[1] = "";
    }
    void set_hint_button(int index, const char *label, const char *command) override
    {
        hint_buttons[index][0] = label;
        hint_buttons[index][1] = command;
    }
    void direction_buttons_off() override { direction_buttons = false; }
    void set_frame_title(const char *text) override { title = text; }
    void show_logged_out_panels() override { logged_out_looks++; }
    void clear_automap() override { automap_clears++; }
    void close_popup_windows() override { popup_closes++; }
    void relayout_frame(bool) override { relayouts++; }
    void check_vote_reminder() override { vote_checks++; }
};

// Collects the server's bytes in place of the tagged-stream parser.
class recording_data_sink : public xirr_socket_data_sink {
public:
    std::string data;
    std::vector<int> chunk_sizes;
    int resets = 0;
    void process_socket_data(const char *bytes, int length) override
    {
        data.append(bytes, (size_t)length);
        chunk_sizes.push_back(length);
    }
    void reset_protocol_state() override { resets++; }
};

#endif
