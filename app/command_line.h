#ifndef SKIFF_APP_COMMAND_LINE_H
#define SKIFF_APP_COMMAND_LINE_H

// The program's command line:
//   -l VERSION          the launcher's version (any next argument, even -l)
//   -n                  started by an old launcher: "(old style launcher)"
//   --server HOST[:PORT]  play on another game server (demo server, tests)
// Options are matched ignoring case; anything else is logged and ignored.
// Main thread only.

// The launcher's version, at most 256 characters; empty unless given.
extern char launcher_version[257];

// Reads the arguments (argument 0 is the program) in order.  A malformed
// --server value is logged as a warning and ignored.
void read_command_line(int argc, const char *const *argv);

#endif
