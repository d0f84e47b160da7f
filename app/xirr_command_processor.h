#ifndef SKIFF_APP_XIRR_COMMAND_PROCESSOR_H
#define SKIFF_APP_XIRR_COMMAND_PROCESSOR_H

class xirr_command_host;

// The single entry for a command line from any source: echoes it when asked
// (and local echo is on and input is not hidden), runs a "//" client
// command, else sends the line to the server while connected, else runs one
// of the disconnected commands or drops the line.  A null text counts as
// empty.  Main thread only.
void process_command_line(xirr_command_host &host, const char *text, bool echo);

// The //help text: keyboard shortcuts (function keys only when logged in).
void show_keyboard_help(xirr_command_host &host);

// The //version text; asks the server for its version when logged in.
void show_version(xirr_command_host &host);

// A line of =- in bold yellow, then plain white.
void print_separator(xirr_command_host &host);

#endif
