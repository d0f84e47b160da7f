#include "app/debug_commands.h"

#include <cstdio>
#include <cstring>

#include "support/debug_log.h"
#include "support/numbers.h"
#include "support/words.h"

std::string show_debug_status()
{
    std::string out = "\n";
    if (debug_file_disabled) {
        out += "\n";
        out += "Debug logging is currently DISABLED - unable to open debug file.\n";
        out += "The failed filename is:  ";
        out += debug_file_name.c_str();
        out += "\n";
    } else {
        char line[64];
        std::snprintf(line, sizeof line, "The current debug level is:     %d\n", debug_level);
        out += line;
        out += "The current debug filename is:  ";
        out += debug_file_name.c_str();
    }
    return out + "\n";
}

std::string debug_level_command(const char *line)
{
    const char *argument = line ? next_arg(line) : nullptr;
    if (!argument) {
        return show_debug_status() + "\n" +
               "To change the debug level, you must give a number between 0 and 3.\n" + "\n";
    }
    int level = 0;
    parse_int(argument, &level);
    char message[96];
    std::snprintf(message, sizeof message, "Debug level changed from %d to %d.\n", debug_level, level);
    debug_level = level;
    return std::string("\n") + message + "\n";
}

// The rest of the line after the command word, without trailing blanks.
static std::string argument_text(const char *line)
{
    const char *argument = line ? next_arg(line) : nullptr;
    if (!argument)
        return std::string();
    size_t n = std::strlen(argument);
    while (n > 0 && is_word_end(argument[n - 1]))
        n--;
    return std::string(argument, n);
}

std::string debug_filename_command(const char *line)
{
    std::string path = argument_text(line);
    if (path.empty())
        return show_debug_status() + "\n" + "You must give a filename to change the debug file.\n" + "\n";
    const char *message = change_debug_file(path.c_str())
                              ? "Debug logfile changed.\n"
                              : "Unable to open new logfile, old logfile not changed.\n";
    return std::string("\n") + message + "\n";
}
