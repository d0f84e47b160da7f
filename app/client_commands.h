#ifndef SKIFF_APP_CLIENT_COMMANDS_H
#define SKIFF_APP_CLIENT_COMMANDS_H

// Recognising the player's client commands.  Only the first word of a line
// counts; letter case (A to Z) is ignored.  The main frame runs the action.
// Any thread (no state).

// The "//" commands, in the order they are tried.
enum class client_command {
    none,           // not a client command: send the line to the server
    commands,       // //commands: print client_commands_help_text()
    help,           // //help: keyboard shortcuts
    version,        // //version: client and server versions
    send_break,     // //break: 0x03 + "\n", unlock the main output's scrollback
    history,        // //history: the input line's history
    quit,           // //quit, //exit: system_shutdown_handler
    disconnect,     // //disconnect: close the connection ("Disconnecting.")
    clear,          // //clear: clear the main output
    chanclear,      // //chanclear, //cclear: clear the channel windows
    ping,           // skping, //ping (only while logged in): send a ping now
    echo,           // //echo: print "\n" and command_argument(line)
    debuglevel,     // //debuglevel: debug_level_command(line)
    debugfilename,  // //debugfilename: debug_filename_command(line)
    debugfill,      // //debugfill: fill the main output with test text
    icons,          // //icons: the rest of the line as an "icons" record
    soundtest,      // //soundtest: the rest of the line as a "sound" record
};

// The first client command the line matches.  The ping command matches only
// when logged_in is set.
client_command match_client_command(const char *line, bool logged_in);

// The commands understood while disconnected.
enum class disconnected_command {
    none,     // dropped
    connect,  // connect, restart, start, login: connect on *port
    quit,     // quit, exit: system_shutdown_handler
};

// For connect, *port gets the next word's value, or default_port when there
// is no next word, it is 0 or not a port number (1 to 65535).
disconnected_command match_disconnected_command(const char *line, int default_port, int *port);

// The rest of the line after its first word ("" when there is none).
const char *command_argument(const char *line);

// The //commands help: "\n", then each help line after a newline, then "\n".
const char *client_commands_help_text();

#endif
