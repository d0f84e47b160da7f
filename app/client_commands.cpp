#include "app/client_commands.h"

#include <cstdlib>

#include "support/words.h"

namespace {
// One row of the command table: the word and the shortest abbreviation
// accepted (0: the word must be typed in full).
struct command_word {
    const char *word;
    int minimum;
    client_command command;
};

const command_word command_table[] = {
    {"//commands", 3, client_command::commands},
    {"//help", 3, client_command::help},
    {"//version", 3, client_command::version},
    {"//break", 3, client_command::send_break},
    {"//history", 3, client_command::history},
    {"//quit", 6, client_command::quit},
    {"//exit", 6, client_command::quit},
    {"//disconnect", 6, client_command::disconnect},
    {"//clear", 4, client_command::clear},
    {"//chanclear", 4, client_command::chanclear},
    {"//cclear", 4, client_command::chanclear},
    {"skping", 0, client_command::ping},
    {"//ping", 3, client_command::ping},
    {"//echo", 3, client_command::echo},
    {"//debuglevel", 5, client_command::debuglevel},
    {"//debugfilename", 8, client_command::debugfilename},
    {"//debugfill", 0, client_command::debugfill},
    {"//icons", 0, client_command::icons},
    {"//soundtest", 0, client_command::soundtest},
};
}

static bool matches(const char *line, const command_word &row)
{
    if (row.minimum == 0)
        return word_equals(line, row.word) == 1;
    return abbreviates(line, row.word, row.minimum) > 0;
}

client_command match_client_command(const char *line, bool logged_in)
{
    if (!line)
        return client_command::none;
    for (const command_word &row : command_table) {
        if (row.command == client_command::ping && !logged_in)
            continue;
        if (matches(line, row))
            return row.command;
    }
    return client_command::none;
}

static int port_argument(const char *line, int default_port)
{
    const char *word = command_argument(line);
    long value = std::strtol(word, nullptr, 10);
    // 0 means the default; a value that is no port would be cut to another
    // port by the socket layer, so it means the default too.
    return value >= 1 && value <= 65535 ? static_cast<int>(value) : default_port;
}

disconnected_command match_disconnected_command(const char *line, int default_port, int *port)
{
    if (!line)
        return disconnected_command::none;
    bool connect = abbreviates(line, "connect", 1) || abbreviates(line, "restart", 2) ||
                   abbreviates(line, "start", 2) || abbreviates(line, "login", 4);
    if (connect) {
        if (port)
            *port = port_argument(line, default_port);
        return disconnected_command::connect;
    }
    if (abbreviates(line, "quit", 3) || abbreviates(line, "exit", 2))
        return disconnected_command::quit;
    return disconnected_command::none;
}

const char *command_argument(const char *line)
{
    const char *rest = line ? next_arg(line) : nullptr;
    return rest ? rest : "";
}

const char *client_commands_help_text()
{
    return "\n"
           "\nSkiff Control Commands -------------------------------"
           "\n//commands               - this help screen"
           "\n//help                   - show keyboard shortcuts"
           "\n//version                - show client/server versions"
           "\n//break                  - send TTY *break*"
           "\n//history                - show recent client history"
           "\n//ping                   - check/update ping time"
           "\n//debug                  - display/change debug level"
           "\n//debugfile              - change name of debug file"
           "\n//cclear                 - quick clear of channel windows"
           "\n//clear                  - quick clear of all backscroll"
           "\n//quit                   - quick program exit"
           "\n//disconnect             - quick disconnect"
           "\n"
           "\nCommands Used While Disconnected -----------------------"
           "\nconnect <port>           - connect on a specified port"
           "\nquit                     - quick program exit"
           "\n";
}
