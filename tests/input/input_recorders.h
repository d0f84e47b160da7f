#ifndef SKIFF_TESTS_INPUT_INPUT_RECORDERS_H
#define SKIFF_TESTS_INPUT_INPUT_RECORDERS_H

// Stand-ins for the main frame that record what the input line asks of it,
// shared by the input line's display-free and window tests.

#include <string>
#include <vector>

#include "tests/common/null_frame_services.h"
#include "input/xirr_input_host.h"
#include "input/xirr_line_access.h"

// Records commands and messages; the primary selection is a plain string.
struct recording_frame : null_frame_services {
    struct command {
        std::string text;
        bool echo;
    };
    std::vector<command> commands;
    std::string printed;
    int messages_begun = 0;
    std::string clipboard;
    bool clipboard_opens = true;

    void process_command_line(const char *text, bool echo) override { commands.push_back({text, echo}); }
    void begin_message() override { messages_begun++; }
    void print(const char *text) override { printed += text; }
    void set_clipboard_data(const char *text) override { clipboard = text; }
    bool get_clipboard_data(char *buffer, int size) override
    {
        if (!clipboard_opens || size < 1)
            return false;
        std::string cut = clipboard.substr(0, size - 1);
        cut.copy(buffer, cut.size());
        buffer[cut.size()] = 0;
        return true;
    }
};

// Keeps the scroll-lock and selection state the keys look at and logs
// every call as one word.
struct recording_host : xirr_input_host {
    bool logged_in = false;
    bool main_following = true;
    bool channel_following = true;
    bool main_selection = false;
    std::vector<std::string> calls;

    std::string log() const
    {
        std::string all;
        for (const auto &c : calls)
            all += (all.empty() ? "" : " ") + c;
        return all;
    }

    bool is_logged_in() override { return logged_in; }
    bool main_output_following() override { return main_following; }
    void lock_main_output() override { main_following = false; calls.push_back("lock"); }
    void unlock_main_output() override { main_following = true; calls.push_back("unlock"); }
    void page_up_main_output() override { calls.push_back("page_up"); }
    void page_down_main_output() override { calls.push_back("page_down"); }
    void scroll_main_output_up(int rows) override { calls.push_back("up" + std::to_string(rows)); }
    void scroll_main_output_down(int rows) override { calls.push_back("down" + std::to_string(rows)); }
    bool main_output_has_selection() override { return main_selection; }
    void clear_main_output_selection() override { main_selection = false; calls.push_back("clear_main_selection"); }
    bool channel_window_following() override { return channel_following; }
    void unlock_channel_window() override { channel_following = true; calls.push_back("unlock_channel"); }
    void clear_channel_window_selection() override { calls.push_back("clear_channel_selection"); }
    void send_break() override { calls.push_back("break"); }
    void send_abort() override { calls.push_back("abort"); }
    void toggle_automap() override { calls.push_back("automap"); }
    void bigger_font() override { calls.push_back("bigger_font"); }
    void smaller_font() override { calls.push_back("smaller_font"); }
    void increase_automap_size() override { calls.push_back("map_bigger"); }
    void decrease_automap_size() override { calls.push_back("map_smaller"); }
    void toggle_quick_popup(int n) override { calls.push_back("popup" + std::to_string(n)); }
    void relayout_frame(bool repaint) override { calls.push_back(repaint ? "relayout_repaint" : "relayout"); }
};

// Installs a frame for the lifetime of a test.
struct frame_installer {
    explicit frame_installer(frame_services *frame) { the_frame_services = frame; }
    ~frame_installer() { the_frame_services = nullptr; }
};

#endif
