#ifndef SKIFF_PROTOCOL_XIRR_GAME_CONNECTION_H
#define SKIFF_PROTOCOL_XIRR_GAME_CONNECTION_H

#include <chrono>

#include "protocol/xirr_outgoing_buffer.h"
#include "support/xirr_tcp_socket.h"

class SkiffConfig;
class xirr_connection_host;
class xirr_socket_data_sink;

// The one TLS connection to the game server, owned by the main frame and
// polled by its 20 ms timer: connects on the first tick, moves bytes both
// ways once per tick (all incoming bytes to the sink, at most one write of
// the outgoing buffer), pings, reports the display settings, and closes with
// a message and the reconnect hint.  It never reconnects by itself.
// Main thread only.
class xirr_game_connection {
public:
    static const char *const client_version;   // "1.095-gtk-test1"
    static const int read_chunk = 10000;
    static const int default_connect_time_limit = 5000;

    xirr_game_connection(xirr_connection_host &host, xirr_socket_data_sink &sink, SkiffConfig &config);
    ~xirr_game_connection();
    xirr_game_connection(const xirr_game_connection &) = delete;
    xirr_game_connection &operator=(const xirr_game_connection &) = delete;

    // Opens the connection (port <= 0: the game server's port) and sends the
    // identification line.  Blocks for at most the connect time limit.
    void socket_connect(int port);
    // Closes the socket, gives the client its disconnected look and shows
    // the message with the reconnect hint.
    void close_connection(const char *message);
    // One poll step, every timer tick.
    void socket_handler();

    // The text and a line feed into the outgoing buffer, connected or not.
    void send_line(const char *text);
    // The text's bytes into the outgoing buffer; what does not fit is lost.
    void append_outgoing_string(const char *text);
    // "skping" and a fresh stopwatch, only when logged in.
    void send_ping();
    // Sends the "sklstatus" line through the command line (clears the request).
    void send_status_report();
    // The timer's check: sends the report when logged in and requested.
    void send_pending_status_report();
    void send_break();
    void send_abort();

    // 0 not logged in, 1 creating a character, 2 logged in, 3 logging off.
    // Set by the tag dispatch; every close resets it to 0.
    int login_state = 0;
    // Connect (and handshake) time limit in milliseconds.
    int connect_time_limit_ms = default_connect_time_limit;

    bool connection_active() const { return connection_active_; }
    bool auto_connect_done() const { return auto_connect_done_; }
    int ping_counter() const { return ping_counter_; }
    // Milliseconds since the latest ping (microseconds / 1000).
    long long ping_elapsed_ms() const;
    const xirr_outgoing_buffer &outgoing() const { return outgoing_; }
    xirr_tcp_socket &game_socket() { return socket_; }

private:
    xirr_connection_host &host_;
    xirr_socket_data_sink &sink_;
    SkiffConfig &config_;
    xirr_tcp_socket socket_;
    xirr_outgoing_buffer outgoing_;
    bool auto_connect_done_ = false;
    bool connection_active_ = false;
    int ping_counter_ = 0;
    std::chrono::steady_clock::time_point ping_started_;

    bool open_socket(int port);
    void reset_protocol_state();
    void show_closed_message(const char *message);
    void show_connect_buttons();
    bool read_available();
    void write_outgoing();
};

#endif
