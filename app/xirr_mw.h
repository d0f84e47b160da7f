#ifndef SKIFF_APP_XIRR_MW_H
#define SKIFF_APP_XIRR_MW_H

#include <memory>
#include <string>

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/timer.h>

#include "app/background_pattern.h"
#include "app/frame_services.h"
#include "app/xirr_command_host.h"
#include "app/xirr_exit_countdown.h"
#include "config/config_listener.h"
#include "draw/xirr_bitmap.h"
#include "draw/xirr_focus_hand_off.h"
#include "draw/xirr_frame.h"
#include "input/button_bar_services.h"
#include "input/xirr_input_host.h"
#include "protocol/tagged_stream_parser.h"
#include "protocol/tagged_stream_sink.h"
#include "protocol/text_run_router.h"
#include "protocol/xirr_connection_host.h"
#include "protocol/xirr_socket_data_sink.h"
#include "protocol/xirr_tag_dispatch.h"
#include "support/fixed_text.h"
#include "text/xirr_main_window_core.h"

class SkiffConfig;
class xirr_direction_buttons;
class xirr_fkey_manager;
class xirr_game_connection;
class xirr_hint_buttons;
class xirr_input_window;
class xirr_channel_window;
class xirr_main_window;
struct panel_layout;

// The program's single main window: owns every panel, the game connection
// and the stream parser, lays the panels out in one of three layouts, paints
// its own background with the logo, and runs the client from three timers
// (20 ms tick, 15 s ping, 300 s autosave).  Reachable through the_main_frame
// and through the service interfaces it implements.  GUI thread only.
class xirr_mw : public xirr_frame,
                public frame_services,
                public xirr_input_host,
                public xirr_connection_host,
                public xirr_socket_data_sink,
                public tagged_stream_sink,
                public xirr_tag_host,
                public xirr_command_host,
                public config_listener,
                public xirr_focus_hand_off,
                public button_bar_services,
                public xirr_main_window_host {
public:
    enum { frame_timer_id = 6129, ping_timer_id = 6130, autosave_timer_id = 6131 };

    xirr_mw(const wxString &title, const wxPoint &pos, const wxSize &size);
    ~xirr_mw() override;

    // --- layout -------------------------------------------------------------
    void layout_panels() override;
    void reapply_layout();
    void place_group_display();
    void place_automap();
    void apply_automap_visibility() override;
    void rebuild_background(bool force);
    // main_font to every text panel and the input line, recorded as the
    // character's text font.
    void apply_fonts();
    // The background and button themes of the current character; with
    // rebuild the background is drawn again.
    void apply_themes(bool rebuild);

    // --- messages, links, clipboard -------------------------------------------
    void begin_message() override;
    void print(const char *text) override;
    void refresh_main_output() override;
    void queue_message(const char *text) override;
    void open_url(const char *url) override;
    bool launch_browser(const char *url);
    void set_clipboard_data(const char *text) override;
    bool get_clipboard_data(char *buffer, int size) override;

    // --- commands and shutdown --------------------------------------------------
    void process_command_line(const char *text, bool echo) override;
    void system_shutdown_handler() override;
    void process_tagged_data(const char *name, const char *payload, int length) override;

    // --- focus ----------------------------------------------------------------
    bool transfer_focus_main(wxWindow *window) override;
    void transfer_focus_main() override;

    // --- state for the rest of the client ---------------------------------------
    int login_state() const override;
    bool is_logged_in() override;
    bool is_connected() override;
    xirr_main_window *main_output() const { return main_output_; }
    xirr_input_window *input_window() const { return input_window_; }
    xirr_channel_window *channel_window() const { return channel_window_; }
    xirr_game_connection &connection() { return *connection_; }
    int exit_countdown() const { return exit_countdown_.value(); }
    const background_record &background() const { return background_; }
    const xirr_bitmap *background_surface() const { return background_surface_.get(); }
    // Where the logo and its caption were drawn: x, y, width, height.
    const int *logo_rect() const { return logo_rect_; }

    // --- xirr_input_host ----------------------------------------------------------
    bool main_output_following() override;
    void lock_main_output() override;
    void unlock_main_output() override;
    void page_up_main_output() override;
    void page_down_main_output() override;
    void scroll_main_output_up(int rows) override;
    void scroll_main_output_down(int rows) override;
    bool main_output_has_selection() override;
    void clear_main_output_selection() override;
    bool channel_window_following() override;
    void unlock_channel_window() override;
    void clear_channel_window_selection() override;
    void send_break() override;
    void send_abort() override;
    void toggle_automap() override;
    void bigger_font() override;
    void smaller_font() override;
    void increase_automap_size() override;
    void decrease_automap_size() override;
    void toggle_quick_popup(int n) override;
    void relayout_frame(bool repaint) override;

    // --- xirr_connection_host -------------------------------------------------------
    void apply_main_output_sgr(int attribute, int color) override;
    void select_history_set(int set) override;
    void clear_hint_buttons() override;
    void set_hint_button(int index, const char *label, const char *command) override;
    void direction_buttons_off() override;
    void set_frame_title(const char *title) override;
    void show_logged_out_panels() override;
    void clear_automap() override;
    void close_popup_windows() override;
    void check_vote_reminder() override;

    // --- xirr_socket_data_sink and tagged_stream_sink -----------------------------------
    void process_socket_data(const char *data, int length) override;
    void reset_protocol_state() override;
    void text_run(const char *data, int length) override;
    void ring_bell() override;
    void set_hidden_input() override;
    void set_normal_input() override;

    // --- xirr_tag_host --------------------------------------------------------------------
    void select_character_config(const char *name) override;
    void set_login_state(int state) override;
    void note_login_time() override;
    void show_logged_in_panels() override;
    void request_status_report() override;
    void set_direction_buttons(bool on) override;
    void set_exit_mask(int mask) override;
    bool colorflash_enabled() override;
    void parse_colorflash(const char *arguments) override;
    void show_ping_time() override;
    bool divert_to_popup(const char *name, bool clear) override;
    bool divert_to_channel(const char *name) override;
    bool clear_divert_channel() override;
    void report_missing_popup() override;
    void undivert() override;
    void unappend() override;
    bool clear_hints() override;
    bool setup_fkey_button(int n, const char *name, const char *payload) override;
    bool setup_hint_button(int n, const char *name, const char *payload) override;
    bool set_uuid(const char *payload) override;
    bool sound_record(const char *payload, int length) override;

    // --- xirr_command_host ------------------------------------------------------------------
    void show_text(const char *text) override;
    void apply_sgr_codes(int attribute, int color) override;
    void reset_attributes() override;
    void refresh_text() override;
    void clear_main_output() override;
    void debug_fill() override;
    bool local_echo() override;
    bool cmd_separator() override;
    bool hidden_input() override;
    void note_command_time() override;
    void send_line(const char *text) override;
    void send_ping() override;
    void socket_connect(int port) override;
    void close_connection(const char *message) override;
    void show_history() override;
    void clear_channels() override;

    // --- config_listener ---------------------------------------------------------------------
    void option_changed(char_option option, int value) override;
    void option_views_sync() override;
    void theme_views_sync() override;

    // --- button_bar_services -----------------------------------------------------------------
    void unlock_main_scrollback() override;

    // The single main frame; null before it is built and after it is gone.
    static xirr_mw *the_main_frame;

private:
    void create_panels();
    void start_timers();
    void place_panels(const panel_layout &layout);
    void apply_button_visibility();
    void show_pending_message();
    void flush_waiting_partial_line();
    void shutdown_step();
    void close_and_destroy();
    int client_width() const;
    int client_height() const;
    SkiffConfig &config();

    void OnTimer(wxTimerEvent &event);
    void on_ping_timer(wxTimerEvent &event);
    void on_autosave_timer(wxTimerEvent &event);
    void OnResize(wxSizeEvent &event);
    void on_set_focus(wxFocusEvent &event);
    void on_close(wxCloseEvent &event);
    void repaint_handler(wxPaintEvent &event);
    void on_erase_background(wxEraseEvent &event) {}
    void on_mouse(wxMouseEvent &event);

    wxTimer frame_timer_;
    wxTimer ping_timer_;
    wxTimer autosave_timer_;
    xirr_exit_countdown exit_countdown_;

    xirr_input_window *input_window_ = nullptr;
    xirr_main_window *main_output_ = nullptr;
    xirr_channel_window *channel_window_ = nullptr;
    std::unique_ptr<text_run_display> main_text_target_;
    xirr_direction_buttons *direction_buttons_ = nullptr;
    xirr_hint_buttons *hint_buttons_ = nullptr;
    xirr_fkey_manager *fkey_bar_ = nullptr;

    std::unique_ptr<text_run_router> router_;
    std::unique_ptr<tagged_stream_parser> parser_;
    std::unique_ptr<xirr_game_connection> connection_;

    fixed_text pending_message_;
    bool message_pending_ = false;
    char pending_url_[1024] = {0};
    bool url_pending_ = false;
    bool focus_again_ = false;
    bool constructed_ = false;
    int partial_line_ticks_ = 0;

    long login_time_ = 0;
    long last_command_time_ = 0;
    int remembered_width_ = -1;
    int remembered_height_ = -1;
    int saved_scroll_line_ = 0;

    std::unique_ptr<xirr_bitmap> background_surface_;
    background_record background_;
    wxBitmap background_upload_;
    wxBitmap logo_upload_;
    std::unique_ptr<wxFont> caption_font_;
    int logo_rect_[4] = {0, 0, 0, 0};
};

#endif
