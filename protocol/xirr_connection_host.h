#ifndef SKIFF_PROTOCOL_XIRR_CONNECTION_HOST_H
#define SKIFF_PROTOCOL_XIRR_CONNECTION_HOST_H

// What the game connection does to the rest of the client: the main output,
// the input line, the buttons and panels that change with the connection.
// The main frame implements it (names shared with frame_services and
// xirr_input_host mean the same operation).  Main thread only.
class xirr_connection_host {
public:
    virtual ~xirr_connection_host() = default;

    // The main output.
    virtual void begin_message() = 0;
    virtual void print(const char *text) = 0;
    // ANSI attribute (1 bold, 0 normal) and colour code (0x30 + colour).
    virtual void apply_main_output_sgr(int attribute, int color) = 0;
    virtual void refresh_main_output() = 0;
    virtual void unlock_main_output() = 0;

    // The single entry for a command line (echo off for the client's own).
    virtual void process_command_line(const char *text, bool echo) = 0;
    // The input line's history: 1 while connected, 0 otherwise.
    virtual void select_history_set(int set) = 0;

    // Hint buttons: all cleared, or one given a label and command and shown.
    virtual void clear_hint_buttons() = 0;
    virtual void set_hint_button(int index, const char *label, const char *command) = 0;
    virtual void direction_buttons_off() = 0;

    virtual void set_frame_title(const char *title) = 0;
    // The logged-out look: automap visibility re-applied, function keys
    // logged out, status bar, status display and group display reset and
    // the status display redrawn.
    virtual void show_logged_out_panels() = 0;
    virtual void clear_automap() = 0;
    // Records the popup windows' geometry and closes them.
    virtual void close_popup_windows() = 0;
    virtual void relayout_frame(bool repaint) = 0;

    // Reminds the player to vote when it is time (every fifth ping).
    virtual void check_vote_reminder() = 0;
};

#endif
