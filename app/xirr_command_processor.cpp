#include "app/xirr_command_processor.h"

#include <cstring>
#include <string>

#include "app/client_commands.h"
#include "app/command_line.h"
#include "app/config_directory.h"
#include "app/debug_commands.h"
#include "app/xirr_command_host.h"

namespace {

const int sgr_bold = 1;
const int sgr_plain = 0;
const int ansi_yellow = 0x33;
const int ansi_white = 0x37;
const char *const client_version_text = "1.095-gtk-test1";

void echo_line(xirr_command_host &host, const char *text)
{
    bool separate = host.cmd_separator() && text[0];
    host.reset_attributes();
    host.show_text("\n");
    if (separate)
        host.show_text("\n");
    host.apply_sgr_codes(sgr_bold, ansi_yellow);
    host.show_text(">");
    host.reset_attributes();
    host.show_text(text);
    host.apply_sgr_codes(sgr_bold, ansi_yellow);
    host.show_text("<");
    if (separate) {
        host.apply_sgr_codes(sgr_bold, ansi_white);
        host.show_text("\n-------------------------------------------------------------------------");
    }
    host.reset_attributes();
    host.refresh_text();
}

void print_and_refresh(xirr_command_host &host, const std::string &text)
{
    host.show_text(text.c_str());
    host.refresh_text();
}

void show_commands_help(xirr_command_host &host)
{
    host.reset_attributes();
    print_and_refresh(host, client_commands_help_text());
}

// The rest of the typed line handled as if the server had sent it.
void run_as_record(xirr_command_host &host, const char *name, const char *text)
{
    const char *rest = command_argument(text);
    host.process_tagged_data(name, rest, static_cast<int>(std::strlen(rest)));
}

// Runs the client command; false when the line is none.
bool run_client_command(xirr_command_host &host, const char *text)
{
    switch (match_client_command(text, host.is_logged_in())) {
    case client_command::none:
        return false;
    case client_command::commands:
        show_commands_help(host);
        break;
    case client_command::help:
        show_keyboard_help(host);
        break;
    case client_command::version:
        show_version(host);
        break;
    case client_command::send_break:
        host.send_break();
        break;
    case client_command::history:
        host.show_history();
        host.refresh_text();
        break;
    case client_command::quit:
        host.system_shutdown_handler();
        break;
    case client_command::disconnect:
        host.close_connection("Disconnecting.");
        break;
    case client_command::clear:
        host.clear_main_output();
        host.refresh_text();
        break;
    case client_command::chanclear:
        host.clear_channels();
        break;
    case client_command::ping:
        host.send_ping();
        break;
    case client_command::echo:
        print_and_refresh(host, std::string("\n") + command_argument(text));
        break;
    case client_command::debuglevel:
        print_and_refresh(host, debug_level_command(text));
        break;
    case client_command::debugfilename:
        print_and_refresh(host, debug_filename_command(text));
        break;
    case client_command::debugfill:
        host.debug_fill();
        host.refresh_text();
        break;
    case client_command::icons:
        run_as_record(host, "icons", text);
        break;
    case client_command::soundtest:
        run_as_record(host, "sound", text);
        break;
    }
    return true;
}

void run_disconnected_command(xirr_command_host &host, const char *text)
{
    int port = 0;
    switch (match_disconnected_command(text, 0, &port)) {
    case disconnected_command::connect:
        host.socket_connect(port);
        break;
    case disconnected_command::quit:
        host.system_shutdown_handler();
        break;
    case disconnected_command::none:
        break;
    }
}

}  // namespace

void process_command_line(xirr_command_host &host, const char *text, bool echo)
{
    if (!text)
        text = "";
    host.note_command_time();
    if (echo && host.local_echo() && !host.hidden_input())
        echo_line(host, text);
    if (run_client_command(host, text))
        return;
    if (host.is_connected())
        host.send_line(text);
    else
        run_disconnected_command(host, text);
}

void print_separator(xirr_command_host &host)
{
    host.apply_sgr_codes(sgr_bold, ansi_yellow);
    host.show_text("\n=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=");
    host.apply_sgr_codes(sgr_plain, ansi_white);
}

void show_keyboard_help(xirr_command_host &host)
{
    static const char *const lines[] = {
        "\nKeyboard controls you can use with this client:",
        "\n",
        "\nPgUp/PgDn         - lock and scroll the screen (any other key to unlock)",
        "\nEscape            - erase current line",
        "\nControl C         - (break) erase current line and stop all aliases",
        "\nControl \\         - (abort) erase current line and stop all aliases",
        "\nControl K         - erase/kill current line",
        "\nControl M         - toggle automap window",
        "\nControl P         - toggle hitpoint display bar",
        "\nControl S         - freeze screen scrolling",
        "\nControl Z         - freeze screen scrolling",
        "\nControl Q         - unfreeze screen scrolling",
        "\nControl -         - decrease font size",
        "\nControl +         - increase font size",
        "\nControl [         - decrease automap size",
        "\nControl ]         - increase automap size",
        "\nControl {         - decrease input window size",
        "\nControl }         - increase input window size",
        "\nControl 1-9       - quick open/close of popup windows",
        "\nControl-Shift 1-9 - quick enable/disable of various features",
    };
    host.begin_message();
    host.show_text("\n");
    print_separator(host);
    for (const char *line : lines)
        host.show_text(line);
    if (host.is_logged_in())
        host.show_text("\nF1-F12            - trigger aliases 'f01' through 'f12'");
    host.show_text("\nUp/Down           - look through previous commands");
    print_separator(host);
    host.show_text("\n");
    host.refresh_text();
}

void show_version(xirr_command_host &host)
{
    host.begin_message();
    host.show_text("\n");
    print_separator(host);
    host.show_text("\nVeymoor Client Version: ");
    host.show_text(client_version_text);
    if (launcher_version[0]) {
        host.show_text("\nLauncher Version:          ");
        host.show_text(launcher_version);
    }
    host.show_text("\nClient config directory:   ");
    host.show_text(config_directory ? config_directory : "");
    host.show_text("\n");
    print_separator(host);
    host.show_text("\n");
    if (host.is_connected() && host.is_logged_in())
        host.send_line("version");
    else
        host.show_text("\nUnable to retrieve server version.");
    host.refresh_text();
}
