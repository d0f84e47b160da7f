#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/xirr_command_host.h"
#include "app/xirr_command_processor.h"
#include "support/debug_log.h"

namespace {

// Writes the main output as text with the attribute changes inline, and
// notes every other operation.
class recording_host : public xirr_command_host {
public:
    std::string out;
    std::vector<std::string> calls;
    bool echo_on = true, separator = false, hidden = false, logged_in = false, connected = true;
    int command_times = 0;

    void begin_message() override { out += "[begin]"; }
    void show_text(const char *t) override { out += t; }
    void apply_sgr_codes(int a, int c) override { out += "[" + std::to_string(a) + ";" + std::to_string(c) + "]"; }
    void reset_attributes() override { out += "[reset]"; }
    void refresh_text() override { out += "[refresh]"; }
    void clear_main_output() override { calls.push_back("clear"); }
    void debug_fill() override { calls.push_back("debugfill"); }
    bool local_echo() override { return echo_on; }
    bool cmd_separator() override { return separator; }
    bool hidden_input() override { return hidden; }
    bool is_logged_in() override { return logged_in; }
    bool is_connected() override { return connected; }
    void note_command_time() override { command_times++; }
    void send_line(const char *t) override { calls.push_back(std::string("send ") + t); }
    void send_break() override { calls.push_back("break"); }
    void send_ping() override { calls.push_back("ping"); }
    void socket_connect(int port) override { calls.push_back("connect " + std::to_string(port)); }
    void close_connection(const char *m) override { calls.push_back(std::string("close ") + m); }
    void system_shutdown_handler() override { calls.push_back("shutdown"); }
    void show_history() override { calls.push_back("history"); }
    void clear_channels() override { calls.push_back("cclear"); }
    void process_tagged_data(const char *n, const char *p, int len) override
    {
        calls.push_back(std::string("tag ") + n + " '" + p + "' " + std::to_string(len));
    }
};

}  // namespace

TEST(command_processor, echo_with_and_without_the_separator)
{
    struct row {
        bool echo_arg, echo_on, hidden, separator;
        const char *text;
        const char *want;
    } rows[] = {
        {true, true, false, false, "look", "[reset]\n[1;51]>[reset]look[1;51]<[reset][refresh]"},
        {true, true, false, true, "look",
         "[reset]\n\n[1;51]>[reset]look[1;51]<[1;55]\n-------------------------------------------------------------------------[reset][refresh]"},
        {true, true, false, true, "", "[reset]\n[1;51]>[reset][1;51]<[reset][refresh]"},
        {false, true, false, false, "look", ""},
        {true, false, false, false, "look", ""},
        {true, true, true, false, "secret", ""},
    };
    for (const row &r : rows) {
        recording_host host;
        host.echo_on = r.echo_on;
        host.hidden = r.hidden;
        host.separator = r.separator;
        process_command_line(host, r.text, r.echo_arg);
        EXPECT_EQ(host.out, r.want) << r.text;
        EXPECT_EQ(host.calls, std::vector<std::string>{std::string("send ") + r.text}) << r.text;
        EXPECT_EQ(host.command_times, 1);
    }
}

TEST(command_processor, client_commands_and_what_reaches_the_server)
{
    struct row {
        const char *text;
        bool logged_in, connected;
        std::vector<std::string> calls;
    } rows[] = {
        {"//quit", false, true, {"shutdown"}},
        {"//EXIT", false, false, {"shutdown"}},
        {"//disconnect", false, true, {"close Disconnecting."}},
        {"//break", false, true, {"break"}},
        {"//history", false, true, {"history"}},
        {"//clear", false, true, {"clear"}},
        {"//cclear", false, true, {"cclear"}},
        {"//debugfill", false, true, {"debugfill"}},
        {"//icons 1 0 1", false, true, {"tag icons '1 0 1' 5"}},
        {"//soundtest boom", false, true, {"tag sound 'boom' 4"}},
        {"//ping", true, true, {"ping"}},
        {"skping", true, true, {"ping"}},
        {"skping", false, true, {"send skping"}},
        {"//d", false, true, {"send //d"}},
        {"//unknown", false, true, {"send //unknown"}},
        {"c", false, false, {"connect 0"}},
        {"connect 4000", false, false, {"connect 4000"}},
        {"connect abc", false, false, {"connect 0"}},
        {"login", false, false, {"connect 0"}},
        {"qui", false, false, {"shutdown"}},
        {"look", false, false, {}},
        {"connect", false, true, {"send connect"}},
    };
    for (const row &r : rows) {
        recording_host host;
        host.logged_in = r.logged_in;
        host.connected = r.connected;
        process_command_line(host, r.text, false);
        EXPECT_EQ(host.calls, r.calls) << r.text;
    }
    recording_host host;
    process_command_line(host, nullptr, true);
    EXPECT_EQ(host.calls, std::vector<std::string>{"send "});
}

TEST(command_processor, printing_commands)
{
    recording_host host;
    process_command_line(host, "//echo  hello there", false);
    EXPECT_EQ(host.out, "\nhello there[refresh]");

    host.out.clear();
    process_command_line(host, "//commands", false);
    EXPECT_EQ(host.out.rfind("[reset]\n\nSkiff Control Commands ---", 0), 0u) << host.out;
    EXPECT_NE(host.out.find("\nquit                     - quick program exit\n[refresh]"), std::string::npos);

    int level = debug_level;
    host.out.clear();
    process_command_line(host, "//Debug 2", false);
    EXPECT_EQ(host.out, "\nDebug level changed from " + std::to_string(level) + " to 2.\n\n[refresh]");
    debug_level = level;
    EXPECT_TRUE(host.calls.empty());
}

TEST(command_processor, keyboard_help_lists_function_keys_only_when_logged_in)
{
    recording_host out, in;
    in.logged_in = true;
    process_command_line(out, "//help", false);
    process_command_line(in, "//help", false);
    const std::string separator = "[1;51]\n=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=[0;55]";
    EXPECT_EQ(out.out.rfind("[begin]\n" + separator + "\nKeyboard controls you can use with this client:\n"
                            "\nPgUp/PgDn         - lock and scroll the screen (any other key to unlock)",
                            0),
              0u)
        << out.out;
    EXPECT_NE(out.out.find("\nControl \\         - (abort) erase current line and stop all aliases"),
              std::string::npos);
    const std::string ending = "\nUp/Down           - look through previous commands" + separator + "\n[refresh]";
    EXPECT_EQ(out.out.substr(out.out.size() - ending.size()), ending);
    EXPECT_EQ(out.out.find("F1-F12"), std::string::npos);
    EXPECT_NE(in.out.find("\nF1-F12            - trigger aliases 'f01' through 'f12'\nUp/Down"), std::string::npos);
}

TEST(command_processor, version_asks_the_server_only_when_logged_in)
{
    recording_host out, in;
    in.logged_in = true;
    process_command_line(out, "//version", false);
    process_command_line(in, "//ver", false);
    EXPECT_NE(out.out.find("\nVeymoor Client Version: 1.095-gtk-test1\nClient config directory:   "),
              std::string::npos)
        << out.out;
    EXPECT_NE(out.out.find("\nUnable to retrieve server version.[refresh]"), std::string::npos);
    EXPECT_TRUE(out.calls.empty());
    EXPECT_EQ(in.out.find("Unable to retrieve"), std::string::npos);
    EXPECT_EQ(in.calls, std::vector<std::string>{"send version"});
}
