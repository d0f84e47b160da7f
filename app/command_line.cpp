#include "app/command_line.h"

#include <strings.h>

#include "app/server_address.h"
#include "support/debug_log.h"
#include "support/strings.h"

char launcher_version[257] = "";

namespace {
enum class pending { none, launcher_version, server };
}

static void apply_server(const char *value)
{
    if (set_game_server(value)) {
        if (debug_level > 1)
            debug_log("DEBUG - Command line game server:      %s\n", value);
    } else if (debug_level > 1) {
        debug_log("Warning in read_command_line(), malformed --server value '%s' ignored, expected "
                  "HOST[:PORT].\n",
                  value);
    }
}

static void report_missing_server()
{
    if (debug_level > 1)
        debug_log("Warning in read_command_line(), --server needs a value HOST[:PORT], ignored.\n");
}

// One argument; returns what the next argument is expected to be.
static pending read_argument(const char *arg, pending expected)
{
    // No host name begins with '-': such an argument is an option of its own.
    if (expected == pending::server && arg[0] == '-') {
        report_missing_server();
        expected = pending::none;
    }
    if (expected == pending::launcher_version) {
        if (debug_level > 1)
            debug_log("DEBUG - Command line launcher version: %s\n", arg);
        safe_strcpy(launcher_version, arg, sizeof launcher_version);
    } else if (expected == pending::server) {
        apply_server(arg);
    } else if (strcasecmp(arg, "-l") == 0) {
        if (debug_level > 1)
            debug_log("DEBUG - Command line launcher flag:    %s\n", arg);
        return pending::launcher_version;
    } else if (strcasecmp(arg, "-n") == 0) {
        if (debug_level > 1)
            debug_log("DEBUG - Command line old launcher:     %s\n", arg);
        safe_strcpy(launcher_version, "(old style launcher)", sizeof launcher_version);
    } else if (strcasecmp(arg, "--server") == 0) {
        return pending::server;
    } else if (debug_level > 1) {
        debug_log("DEBUG - Unknown command line arg:      %s\n", arg);
    }
    return pending::none;
}

void read_command_line(int argc, const char *const *argv)
{
    if (!argv || argc < 1)
        return;
    if (debug_level > 1)
        debug_log("DEBUG - Command line executable name:  %s\n", argv[0] ? argv[0] : "(null)");
    pending expected = pending::none;
    for (int i = 1; i < argc; i++)
        if (argv[i])
            expected = read_argument(argv[i], expected);
    if (expected == pending::server)
        report_missing_server();
}
