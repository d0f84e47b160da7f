#ifndef SKIFF_APP_DEBUG_COMMANDS_H
#define SKIFF_APP_DEBUG_COMMANDS_H

#include <string>

// The player's debug commands.  Each returns the text for the main output;
// the main frame prints it.  Main thread only.

// The debug level and file name, or that file logging is disabled and the
// name that failed.
std::string show_debug_status();

// "//debuglevel [N]", given the whole command line: with an argument the
// level becomes its integer value (text that is not a number gives 0).
std::string debug_level_command(const char *line);

// "//debugfilename [PATH]", given the whole command line: with an argument
// the debug log moves to PATH (the rest of the line, trailing blanks cut);
// when PATH cannot be opened the old file stays.
std::string debug_filename_command(const char *line);

#endif
