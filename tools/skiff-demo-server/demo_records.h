#ifndef SKIFF_TOOLS_DEMO_SERVER_DEMO_RECORDS_H
#define SKIFF_TOOLS_DEMO_SERVER_DEMO_RECORDS_H

#include <string>

// Building the game stream the client understands: text with every ';'
// doubled, records ";s" NAME ";" PAYLOAD ";e" NAME ";" and text tags
// ";t" NAME ";", and the telnet echo switch.

// ANSI colour sequences (plain text: stream_text doubles their ';').
namespace ansi {
extern const char *const reset;
extern const char *const bold_white;
extern const char *const bold_cyan;
extern const char *const bold_yellow;
extern const char *const bold_green;
extern const char *const bold_red;
extern const char *const bold_magenta;
extern const char *const green;
extern const char *const cyan;
extern const char *const yellow;
extern const char *const white;
}

// Plain text with every ';' doubled.
std::string stream_text(const std::string &text);
// A record; any ';' in name or payload (which has no escape) becomes ','.
std::string stream_record(const std::string &name, const std::string &payload);
std::string stream_text_tag(const std::string &name);

// Telnet bytes that hide typed input (IAC WILL ECHO, IAC DONT ECHO) and show
// it again (IAC WONT ECHO, IAC DO ECHO): the client reacts to DONT/DO ECHO,
// a plain telnet client to WILL/WONT ECHO.
std::string echo_off();
std::string echo_on();

// The two letters of the "dirs" record for a ten-bit exit mask.
std::string exit_mask_letters(int mask);

#endif
