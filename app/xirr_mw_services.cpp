// The main frame's side of the interfaces its panels, the connection, the
// parser and the tag dispatch talk to.
#include <wx/utils.h>

#include <ctime>
#include <string>

#include "app/xirr_command_processor.h"
#include "app/shared_fonts.h"
#include "app/xirr_mw.h"
#include "config/skiff_config.h"
#include "draw/themes.h"
#include "draw/xirr_font.h"
#include "input/xirr_command_button.h"
#include "input/xirr_direction_buttons.h"
#include "input/xirr_fkey_manager.h"
#include "input/xirr_hint_buttons.h"
#include "input/xirr_input_window.h"
#include "protocol/xirr_game_connection.h"
#include "text/xirr_channel_window.h"
#include "text/xirr_main_window.h"

static const int ansi_white = 0x37;

// --- commands --------------------------------------------------------------

void xirr_mw::process_command_line(const char *text, bool echo)
{
    ::process_command_line(*this, text, echo);
}

void xirr_mw::process_tagged_data(const char *name, const char *payload, int length)
{
    dispatch_tagged_data(*this, name, payload, length);
}

int xirr_mw::login_state() const
{
    return connection_->login_state;
}

bool xirr_mw::is_logged_in()
{
    return connection_->login_state == 2;
}

bool xirr_mw::is_connected()
{
    return (connection_->game_socket().get_state() & xirr_tcp_socket::connected) != 0;
}

// --- xirr_command_host -----------------------------------------------------------

void xirr_mw::show_text(const char *text)
{
    main_output_->show_text(text ? text : "");
}

void xirr_mw::apply_sgr_codes(int attribute, int color)
{
    main_output_->apply_sgr_codes(attribute, color);
}

void xirr_mw::reset_attributes()
{
    main_output_->reset_attributes();
}

void xirr_mw::refresh_text()
{
    main_output_->refresh_text();
}

void xirr_mw::clear_main_output()
{
    main_output_->clear_display();
}

void xirr_mw::debug_fill()
{
    main_output_->debug_fill();
}

bool xirr_mw::local_echo()
{
    return config().get_local_echo() != 0;
}

bool xirr_mw::cmd_separator()
{
    return config().get_cmd_separator() != 0;
}

bool xirr_mw::hidden_input()
{
    return input_window_->is_hidden_input();
}

void xirr_mw::note_command_time()
{
    last_command_time_ = static_cast<long>(time(nullptr));
}

void xirr_mw::send_line(const char *text)
{
    connection_->send_line(text);
}

void xirr_mw::send_ping()
{
    connection_->send_ping();
}

void xirr_mw::socket_connect(int port)
{
    connection_->socket_connect(port);
}

void xirr_mw::close_connection(const char *message)
{
    connection_->close_connection(message);
}

void xirr_mw::show_history()
{
    input_window_->show_history();
}

void xirr_mw::clear_channels()
{
    channel_window_->clear_channels();
}

// --- xirr_input_host ----------------------------------------------------------------

bool xirr_mw::main_output_following()
{
    return main_output_->is_following() != 0;
}

void xirr_mw::lock_main_output()
{
    main_output_->lock_scrollback();
}

void xirr_mw::unlock_main_output()
{
    main_output_->unlock_scrollback();
}

void xirr_mw::page_up_main_output()
{
    main_output_->page_up();
}

void xirr_mw::page_down_main_output()
{
    main_output_->page_down();
}

void xirr_mw::scroll_main_output_up(int rows)
{
    main_output_->scroll_up(rows);
}

void xirr_mw::scroll_main_output_down(int rows)
{
    main_output_->scroll_down(rows);
}

bool xirr_mw::main_output_has_selection()
{
    return main_output_->has_selection() != 0;
}

void xirr_mw::clear_main_output_selection()
{
    main_output_->clear_selection();
}

bool xirr_mw::channel_window_following()
{
    return channel_window_->is_current_following() != 0;
}

void xirr_mw::unlock_channel_window()
{
    channel_window_->unlock_current();
}

void xirr_mw::clear_channel_window_selection()
{
    channel_window_->clear_current_selection();
}

void xirr_mw::send_break()
{
    connection_->send_break();
}

void xirr_mw::send_abort()
{
    connection_->send_abort();
}

// The menu actions behind these keys join the client with the menus.
void xirr_mw::toggle_automap() {}
void xirr_mw::bigger_font() {}
void xirr_mw::smaller_font() {}
void xirr_mw::increase_automap_size() {}
void xirr_mw::decrease_automap_size() {}
void xirr_mw::toggle_quick_popup(int n) {}

void xirr_mw::relayout_frame(bool repaint)
{
    layout_panels();
    if (repaint)
        Refresh();
}

// --- xirr_connection_host ------------------------------------------------------------

void xirr_mw::apply_main_output_sgr(int attribute, int color)
{
    main_output_->apply_sgr_codes(attribute, color);
}

void xirr_mw::select_history_set(int set)
{
    input_window_->select_history_set(set);
}

void xirr_mw::clear_hint_buttons()
{
    hint_buttons_->clear_hints();
}

void xirr_mw::set_hint_button(int index, const char *label, const char *command)
{
    if (index < 0 || index >= hint_button_count)
        return;
    xirr_command_button *b = hint_buttons_->button(index);
    b->setup_command_button(label, command, 1);
    b->set_lit(true);
    hint_buttons_->layout();
}

void xirr_mw::direction_buttons_off()
{
    direction_buttons_->directions_off();
}

void xirr_mw::set_frame_title(const char *title)
{
    SetTitle(bytes_to_wx(title ? title : ""));
}

// The status bar, status display and group display return to their
// logged-out look here once the client has them.
void xirr_mw::show_logged_out_panels()
{
    apply_automap_visibility();
    fkey_bar_->set_keys_active(0);
}

void xirr_mw::clear_automap() {}
void xirr_mw::close_popup_windows() {}
void xirr_mw::check_vote_reminder() {}

// --- the stream parser ------------------------------------------------------------------

void xirr_mw::process_socket_data(const char *data, int length)
{
    parser_->process_socket_data(data, length);
}

void xirr_mw::reset_protocol_state()
{
    parser_->reset();
}

void xirr_mw::text_run(const char *data, int length)
{
    router_->route(data, length);
}

void xirr_mw::ring_bell()
{
    wxBell();
}

void xirr_mw::set_hidden_input()
{
    input_window_->set_hidden_input();
}

void xirr_mw::set_normal_input()
{
    input_window_->set_normal_input();
}

// --- xirr_tag_host ------------------------------------------------------------------------

void xirr_mw::select_character_config(const char *name)
{
    SkiffConfig &c = config();
    char_config *chosen = c.get_or_load(name);
    if (!chosen)
        chosen = c.create_new_config(name, c.current_char_cfg);
    if (!chosen || chosen == c.current_char_cfg)
        return;
    c.current_char_cfg = chosen;
    c.sync_theme_views();
    c.sync_option_views();
    apply_fonts();
}

void xirr_mw::set_login_state(int state)
{
    connection_->login_state = state;
}

void xirr_mw::note_login_time()
{
    login_time_ = static_cast<long>(time(nullptr));
}

// The status bar, sky display and status display are shown here once the
// client has them.
void xirr_mw::show_logged_in_panels()
{
    fkey_bar_->set_keys_active(1);
}

void xirr_mw::request_status_report()
{
    config().request_status_report();
}

void xirr_mw::set_direction_buttons(bool on)
{
    if (on)
        direction_buttons_->directions_on();
    else
        direction_buttons_->directions_off();
}

void xirr_mw::set_exit_mask(int mask)
{
    direction_buttons_->set_exit_mask(mask);
}

bool xirr_mw::colorflash_enabled()
{
    return config().get_colorflash_enable() != 0;
}

void xirr_mw::parse_colorflash(const char *arguments)
{
    main_output_->parse_colorflash(arguments);
}

// The status bar shows the ping time once the client has one.
void xirr_mw::show_ping_time() {}

bool xirr_mw::divert_to_channel(const char *name)
{
    channel_window_->divert_to_channel(name);
    router_->channel_divert = true;
    return true;
}

bool xirr_mw::clear_divert_channel()
{
    channel_window_->clear_divert_channel();
    router_->channel_divert = false;
    return true;
}

// There are no popup windows yet, so no name is ever found.
bool xirr_mw::divert_to_popup(const char *name, bool clear)
{
    router_->set_output_target(nullptr);
    return false;
}

void xirr_mw::report_missing_popup()
{
    router_->set_output_target(nullptr);
    main_output_->reset_attributes();
    main_output_->show_text("\n");
    main_output_->show_text("Sorry, no popup window by that name has been defined.\n");
    main_output_->show_text("\n");
    main_output_->refresh_text();
}

void xirr_mw::undivert()
{
    text_run_display *target = router_->output_target();
    target->refresh_text();
    if (target == main_text_target_.get()) {
        saved_scroll_line_ = main_output_->get_scrollbar_position();
        main_output_->resume_updates();
        main_output_->scroll_display_to_line(saved_scroll_line_);
    }
    router_->set_output_target(nullptr);
}

void xirr_mw::unappend()
{
    text_run_display *target = router_->output_target();
    target->refresh_text();
    if (target == main_text_target_.get())
        main_output_->scroll_to_end();
    router_->set_output_target(nullptr);
}

bool xirr_mw::clear_hints()
{
    hint_buttons_->clear_hints();
    return true;
}

bool xirr_mw::setup_fkey_button(int n, const char *name, const char *payload)
{
    fkey_bar_->setup_button(name, payload);
    return true;
}

bool xirr_mw::setup_hint_button(int n, const char *name, const char *payload)
{
    hint_buttons_->setup_button(name, payload);
    return true;
}

bool xirr_mw::set_uuid(const char *payload)
{
    config().set_uuid(payload);
    return true;
}

// With sound switched off a sound request is dropped without a word; with
// sound on it goes to the soundpack once the client has one.
bool xirr_mw::sound_record(const char *payload, int length)
{
    return config().system_audio_enable() == 0;
}

// --- config_listener ------------------------------------------------------------------------

void xirr_mw::option_changed(char_option option, int value)
{
    switch (option) {
    case char_option::current_layout:
        reapply_layout();
        break;
    case char_option::theme_bg_setting:
    case char_option::current_background_theme:
    case char_option::current_theme:
        theme_views_sync();
        break;
    case char_option::hint_button_enable:
    case char_option::direction_button_enable:
    case char_option::fkey_button_display:
    case char_option::status_bar:
    case char_option::sky_bar:
    case char_option::exp_display:
    case char_option::hpbar_enable:
    case char_option::enemy_hpbar_enable:
    case char_option::group_status_display:
    case char_option::popup_display:
    case char_option::input_height:
    case char_option::channel_window_enable:
    case char_option::channel_window_height:
    case char_option::automap_docked:
    case char_option::automap_display:
        relayout_frame(true);
        break;
    case char_option::mw_scrollbar_enable:
        main_output_->show_scrollbar(value);
        break;
    default:
        break;
    }
}

void xirr_mw::option_views_sync()
{
    main_output_->show_scrollbar(config().get_mw_scrollbar_enable());
    reapply_layout();
}

void xirr_mw::theme_views_sync()
{
    apply_themes(true);
}

void xirr_mw::apply_themes(bool rebuild)
{
    switch_background_theme(config().get_current_background_theme());
    switch_button_theme(config().get_current_theme());
    if (rebuild)
        rebuild_background(true);
    hint_buttons_->restyle_buttons();
    direction_buttons_->restyle_buttons();
    fkey_bar_->restyle_buttons();
    channel_window_->restyle_buttons();
    layout_panels();
    Refresh();
}

void xirr_mw::apply_fonts()
{
    if (!main_font)
        return;
    main_output_->set_display_font(main_font);
    input_window_->set_input_font(*main_font);
    channel_window_->set_channel_font(main_font);
    std::string description(main_font->GetNativeFontInfoDesc().mb_str(wxConvISO8859_1));
    config().record_main_font(description.c_str(), main_font->GetPointSize());
}

// --- button_bar_services ----------------------------------------------------------------------

void xirr_mw::unlock_main_scrollback()
{
    main_output_->unlock_scrollback();
}
