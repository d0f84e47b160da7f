#include <gtest/gtest.h>

#include <string>

#include "app/client_commands.h"

TEST(client_commands, table_order_and_word_rules)
{
    using c = client_command;
    struct row {
        const char *line;
        bool logged_in;
        client_command want;
    } rows[] = {
        {"//c", false, c::commands},
        {"//commands", false, c::commands},
        {"//COM", false, c::commands},
        {"//co extra words", false, c::commands},
        {"//", false, c::none},
        {"//d", false, c::none},
        {"//debug", false, c::debuglevel},
        {"//Debug 2", false, c::debuglevel},
        {"//debu", false, c::debuglevel},
        {"//debugfile x.txt", false, c::debugfilename},
        {"//debugf", false, c::debugfilename},
        {"//debugfill", false, c::debugfill},
        {"//debugfil", false, c::debugfilename},
        {"//qui", false, c::none},
        {"//quit", false, c::quit},
        {"//exit", false, c::quit},
        {"//dis", false, c::none},
        {"//disc", false, c::disconnect},
        {"//disconnect", false, c::disconnect},
        {"//cl", false, c::clear},
        {"//cle", false, c::clear},
        {"//clea", false, c::clear},
        {"//cclear", false, c::chanclear},
        {"//chan", false, c::chanclear},
        {"//h", false, c::help},
        {"//hi", false, c::history},
        {"//br", false, c::send_break},
        {"//v", false, c::version},
        {"skping", false, c::none},
        {"skping", true, c::ping},
        {"//ping", true, c::ping},
        {"//p", false, c::none},
        {"//e hello", false, c::echo},
        {"//icons 1 2", false, c::icons},
        {"//icon", false, c::none},
        {"//soundtest a", false, c::soundtest},
        {"look", false, c::none},
        {" //quit", false, c::none},
        {"", false, c::none},
        {nullptr, false, c::none},
    };
    for (const row &r : rows)
        EXPECT_EQ(match_client_command(r.line, r.logged_in), r.want) << (r.line ? r.line : "(null)");
}

TEST(client_commands, disconnected_commands)
{
    using d = disconnected_command;
    struct row {
        const char *line;
        d want;
        int port;
    } rows[] = {
        {"c", d::connect, 3102},       {"connect 4000", d::connect, 4000}, {"connect abc", d::connect, 3102},
        {"CONN 0", d::connect, 3102},  {"connect 70000", d::connect, 3102}, {"connect -5", d::connect, 3102},
        {"re", d::connect, 3102},      {"r", d::none, -1},                  {"st 5000", d::connect, 5000},
        {"log", d::none, -1},          {"login", d::connect, 3102},         {"qui", d::quit, -1},
        {"q", d::none, -1},            {"ex", d::quit, -1},                 {"e", d::none, -1},
        {"connected", d::none, -1},    {"hello", d::none, -1},
    };
    for (const row &r : rows) {
        int port = -1;
        EXPECT_EQ(match_disconnected_command(r.line, 3102, &port), r.want) << r.line;
        EXPECT_EQ(port, r.port) << r.line;
    }
}

TEST(client_commands, echo_argument_and_help_text)
{
    EXPECT_STREQ(command_argument("//echo  hello there"), "hello there");
    EXPECT_STREQ(command_argument("//echo"), "");
    std::string help = client_commands_help_text();
    EXPECT_EQ(help.rfind("\n\nSkiff Control Commands -------------------------------\n//commands", 0), 0u);
    EXPECT_NE(help.find("\n//disconnect             - quick disconnect\n\nCommands Used While Disconnected"),
              std::string::npos);
    std::string tail = "\nconnect <port>           - connect on a specified port"
                       "\nquit                     - quick program exit\n";
    EXPECT_EQ(help.substr(help.size() - tail.size()), tail);
}
