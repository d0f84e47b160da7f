#include "protocol/xirr_game_connection.h"

#include <cstdio>
#include <cstring>

#include "app/server_address.h"
#include "config/skiff_config.h"
#include "protocol/xirr_connection_host.h"
#include "protocol/xirr_socket_data_sink.h"
#include "support/debug_log.h"

const char *const xirr_game_connection::client_version = "1.095-gtk-test1";

// A server that sends without pause must not keep the timer tick reading
// forever; whatever is left (also inside TLS) is read on the next tick.
static const int max_reads_per_tick = 100;

static const int sgr_white = 0x37;
static const int sgr_yellow = 0x33;

xirr_game_connection::xirr_game_connection(xirr_connection_host &host, xirr_socket_data_sink &sink,
                                           SkiffConfig &config)
    : host_(host), sink_(sink), config_(config), ping_started_(std::chrono::steady_clock::now())
{
}

xirr_game_connection::~xirr_game_connection()
{
    socket_.close();
}

void xirr_game_connection::reset_protocol_state()
{
    sink_.reset_protocol_state();
    outgoing_.clear();
}

void xirr_game_connection::socket_connect(int port)
{
    if (port <= 0)
        port = game_server_port();
    // Harmless after the first connect: the socket only says it is on already.
    socket_.enable_ssl();
    host_.clear_hint_buttons();
    host_.begin_message();
    host_.print("\n");
    host_.print("Connecting to server...\n");
    if (!open_socket(port))
        return;
    if (debug_level > 1)
        debug_log("xirr_mw::socket_connect() - socket connect ok.\n");
    reset_protocol_state();
    if (!config_.uuid()[0])
        config_.create_default_uuid();
    char line[128];
    snprintf(line, sizeof line, "_Skiff %s %s", config_.uuid(), client_version);
    send_line(line);
    host_.refresh_main_output();
    host_.select_history_set(1);
}

// Resolves and connects; on failure the connection is closed with its
// message and false returned.
bool xirr_game_connection::open_socket(int port)
{
    sockaddr_in address;
    if (!resolve_host(game_server_host(), &address)) {
        close_connection("Unable to look up address for game server.");
        host_.refresh_main_output();
        return false;
    }
    if (debug_level > 1)
        debug_log("xirr_mw::socket_connect() - dns lookup ok, address '%s', port %d.\n", game_server_host(), port);
    if (socket_.connect_with_timeout(address, port, connect_time_limit_ms) < 0) {
        socket_.close();
        close_connection("Unable to connect to server.");
        host_.refresh_main_output();
        return false;
    }
    return true;
}

void xirr_game_connection::close_connection(const char *message)
{
    socket_.close();
    connection_active_ = false;
    reset_protocol_state();
    host_.select_history_set(0);
    login_state = 0;
    host_.set_frame_title("Veymoor");
    host_.show_logged_out_panels();
    show_closed_message(message);
    show_connect_buttons();
    host_.clear_automap();
    host_.close_popup_windows();
    host_.relayout_frame(true);
}

void xirr_game_connection::show_closed_message(const char *message)
{
    host_.apply_main_output_sgr(0, sgr_white);
    host_.print("\n");
    host_.print("\n");
    host_.print(message ? message : "");
    host_.print("\n");
    host_.print("\n");
    host_.print("To log in again, type '");
    host_.apply_main_output_sgr(1, sgr_yellow);
    host_.print("connect");
    host_.apply_main_output_sgr(0, sgr_white);
    host_.print("' or use the ");
    host_.apply_main_output_sgr(1, sgr_yellow);
    host_.print("File / Connect");
    host_.apply_main_output_sgr(0, sgr_white);
    host_.print(" menu option.\n");
    host_.print("\n");
    host_.refresh_main_output();
}

void xirr_game_connection::show_connect_buttons()
{
    host_.direction_buttons_off();
    host_.clear_hint_buttons();
    host_.set_hint_button(0, "Connect", "connect");
    host_.set_hint_button(11, "Quit", "quit");
}

void xirr_game_connection::socket_handler()
{
    if (!auto_connect_done_) {
        auto_connect_done_ = true;
        socket_connect(0);
    }
    int state = socket_.poll_state();
    if (!connection_active_) {
        if (state & xirr_tcp_socket::connected)
            connection_active_ = true;
        return;
    }
    if (!(state & xirr_tcp_socket::connected)) {
        if (debug_level > 0)
            debug_log("xirr_mw::socket_handler() - abnormal connection failure?\n");
        close_connection("Connection to server lost.");
        return;
    }
    if (read_available())
        write_outgoing();
}

// Reads until the socket would block.  nonblocking_read takes bytes the TLS
// layer already decrypted before it looks at the socket, so nothing is left
// waiting inside TLS where poll() cannot see it.  False when the connection
// was closed meanwhile.
bool xirr_game_connection::read_available()
{
    char buffer[read_chunk];
    for (int i = 0; i < max_reads_per_tick; i++) {
        int n = socket_.nonblocking_read(buffer, read_chunk);
        if (n == 0)
            return true;
        if (n < 0) {
            close_connection(socket_.get_read_error() == 0 ? "Connection closed by server."
                                                          : "Connection to server lost.");
            return false;
        }
        sink_.process_socket_data(buffer, n);
        // A record or a command it triggered may have closed the connection.
        if (!connection_active_)
            return false;
    }
    return true;
}

void xirr_game_connection::write_outgoing()
{
    int n = outgoing_.length();
    if (n <= 0)
        return;
    int written = socket_.nonblocking_write(outgoing_.data(), n);
    if (written < 0) {
        close_connection("Connection to server lost.");
        return;
    }
    outgoing_.consume(written);
}

void xirr_game_connection::send_line(const char *text)
{
    append_outgoing_string(text);
    append_outgoing_string("\n");
}

void xirr_game_connection::append_outgoing_string(const char *text)
{
    if (!text)
        return;
    int length = (int)strlen(text);
    if (length >= outgoing_.space() && debug_level > 1)
        debug_log("Error in append_outgoing_string() - not enough space in outgoing buffer?\n");
    outgoing_.append(text, length);
}

void xirr_game_connection::send_ping()
{
    if (login_state != 2)
        return;
    send_line("skping");
    ping_started_ = std::chrono::steady_clock::now();
    if (++ping_counter_ > 4) {
        ping_counter_ = 0;
        host_.check_vote_reminder();
    }
}

long long xirr_game_connection::ping_elapsed_ms() const
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now() - ping_started_).count() / 1000;
}

static char flag(int value)
{
    return value ? '1' : '0';
}

static char one_or_two(int value)
{
    return value == 1 || value == 2 ? (char)('0' + value) : '0';
}

static char font_colors(int value)
{
    return value >= 0 && value <= 3 ? (char)('0' + value) : '9';
}

void xirr_game_connection::send_status_report()
{
    config_.take_status_report_request();
    const SkiffConfig &c = config_;
    const char fields[21] = {
        flag(c.system_audio_enable()),   flag(c.get_cmd_separator()),
        flag(c.get_direction_button_enable()), flag(c.get_hint_button_enable()),
        flag(c.get_fkey_button_display()), flag(c.get_status_bar()),
        flag(c.get_sky_bar()),           flag(c.get_exp_display()),
        flag(c.get_hpbar_enable()),      flag(c.get_enemy_hpbar_enable()),
        flag(c.get_popup_display()),     one_or_two(c.get_group_status_display()),
        one_or_two(c.get_current_layout()), flag(c.get_automap_display()),
        flag(c.get_automap_docked()),    flag(c.get_channel_window_enable()),
        flag(c.get_channel_window_dupe()), flag(c.get_colorflash_enable()),
        font_colors(c.get_font_colors_setting()), flag(c.voting_reminders),
        0};
    char line[96];
    snprintf(line, sizeof line, "sklstatus %s %2d %2d %2d", fields, c.get_current_theme(),
             c.get_current_background_theme(), c.get_theme_bg_setting());
    host_.process_command_line(line, false);
}

void xirr_game_connection::send_pending_status_report()
{
    if (login_state == 2 && config_.status_report_requested())
        send_status_report();
}

void xirr_game_connection::send_break()
{
    send_line("\x03");
    host_.unlock_main_output();
}

void xirr_game_connection::send_abort()
{
    send_line("\x1A");
    host_.unlock_main_output();
}
