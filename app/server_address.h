#ifndef SKIFF_APP_SERVER_ADDRESS_H
#define SKIFF_APP_SERVER_ADDRESS_H

// Where the game lives.  The host names are constants of the client; the
// game server address can be replaced from the command line with
// "--server HOST[:PORT]" (for the demo server and for tests).

extern const char *const default_game_host;  // the game server
extern const int default_game_port;          // 3102
extern const char *const game_web_host;      // web site, soundpack, links

// The game server in use (host at most 255 characters).  Main thread only.
const char *game_server_host();
int game_server_port();

// Applies a "--server" value: HOST or HOST:PORT with PORT 1..65535 and a
// non-empty host of printable characters without blanks.  Returns false and
// changes nothing when the value is malformed.
bool set_game_server(const char *value);

#endif
