#ifndef SKIFF_APP_XIRR_COMMAND_HOST_H
#define SKIFF_APP_XIRR_COMMAND_HOST_H

// What the command processor and the help texts need from the main frame:
// the main output, the input line, the connection and the frame's own
// operations.  The main frame implements it.  Main thread only.
class xirr_command_host {
public:
    virtual ~xirr_command_host() = default;

    // --- the main output -------------------------------------------------
    virtual void begin_message() = 0;
    virtual void show_text(const char *text) = 0;
    // ANSI attribute (1 bold, 0 normal) and colour code (0x30 + colour).
    virtual void apply_sgr_codes(int attribute, int color) = 0;
    virtual void reset_attributes() = 0;
    virtual void refresh_text() = 0;
    virtual void clear_main_output() = 0;
    virtual void debug_fill() = 0;

    // --- settings and state ------------------------------------------------
    virtual bool local_echo() = 0;
    virtual bool cmd_separator() = 0;
    virtual bool hidden_input() = 0;
    virtual bool is_logged_in() = 0;
    // The game socket's TCP state.
    virtual bool is_connected() = 0;
    // Remembered for the vote reminder.
    virtual void note_command_time() = 0;

    // --- the connection ------------------------------------------------------
    virtual void send_line(const char *text) = 0;
    virtual void send_break() = 0;
    virtual void send_ping() = 0;
    // port <= 0: the game server's port.
    virtual void socket_connect(int port) = 0;
    virtual void close_connection(const char *message) = 0;

    // --- the frame -----------------------------------------------------------
    virtual void system_shutdown_handler() = 0;
    virtual void show_history() = 0;
    virtual void clear_channels() = 0;
    virtual void process_tagged_data(const char *name, const char *payload, int length) = 0;
};

#endif
