#include "app/xirr_mw.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dcclient.h>
#include <wx/log.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/browser_launch.h"
#include "app/display_text_target.h"
#include "app/panel_layout.h"
#include "app/server_address.h"
#include "app/shared_fonts.h"
#include "config/skiff_config.h"
#include "draw/builtin_images.h"
#include "draw/surface_transfer.h"
#include "draw/xirr_animated.h"
#include "draw/xirr_font.h"
#include "input/xirr_direction_buttons.h"
#include "input/xirr_fkey_manager.h"
#include "input/xirr_hint_buttons.h"
#include "input/xirr_input_window.h"
#include "input/xirr_line_edit.h"
#include "protocol/xirr_game_connection.h"
#include "support/debug_log.h"
#include "text/xirr_channel_window.h"
#include "text/xirr_main_window.h"

xirr_mw *xirr_mw::the_main_frame = nullptr;

xirr_mw::xirr_mw(const wxString &title, const wxPoint &pos, const wxSize &size)
    : xirr_frame(nullptr, wxID_ANY, title, pos, size),
      frame_timer_(this, frame_timer_id),
      ping_timer_(this, ping_timer_id),
      autosave_timer_(this, autosave_timer_id)
{
    parser_.reset(new tagged_stream_parser(this));
    connection_.reset(new xirr_game_connection(*this, *this, config()));
    the_main_frame = this;
    xirr_frame::main_frame = this;
    create_panels();
    SetBackgroundColour(*wxBLACK);
    if (main_font) {
        input_window_->set_input_font(*main_font);
        main_output_->set_display_font(main_font);
        channel_window_->set_channel_font(main_font);
    }
    input_window_->SetFocus();
    place_automap();
    place_group_display();
    apply_automap_visibility();
    direction_buttons_->init_directions();
    layout_panels();
    Refresh();
    Bind(wxEVT_TIMER, &xirr_mw::OnTimer, this, frame_timer_id);
    Bind(wxEVT_TIMER, &xirr_mw::on_ping_timer, this, ping_timer_id);
    Bind(wxEVT_TIMER, &xirr_mw::on_autosave_timer, this, autosave_timer_id);
    Bind(wxEVT_SIZE, &xirr_mw::OnResize, this);
    Bind(wxEVT_SET_FOCUS, &xirr_mw::on_set_focus, this);
    Bind(wxEVT_CLOSE_WINDOW, &xirr_mw::on_close, this);
    Bind(wxEVT_PAINT, &xirr_mw::repaint_handler, this);
    Bind(wxEVT_ERASE_BACKGROUND, &xirr_mw::on_erase_background, this);
    for (const wxEventTypeTag<wxMouseEvent> &type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_MIDDLE_DOWN,
                             wxEVT_MIDDLE_UP, wxEVT_MIDDLE_DCLICK, wxEVT_RIGHT_DOWN, wxEVT_RIGHT_UP,
                             wxEVT_RIGHT_DCLICK, wxEVT_AUX1_DOWN, wxEVT_AUX1_UP, wxEVT_AUX1_DCLICK,
                             wxEVT_AUX2_DOWN, wxEVT_AUX2_UP, wxEVT_AUX2_DCLICK, wxEVT_MOTION,
                             wxEVT_ENTER_WINDOW, wxEVT_LEAVE_WINDOW, wxEVT_MOUSEWHEEL})
        Bind(type, &xirr_mw::on_mouse, this);
    constructed_ = true;
    start_timers();
}

// Panels in the order they stack; those of later parts of the client are
// added here as they arrive.
void xirr_mw::create_panels()
{
    the_frame_services = this;
    the_focus_hand_off = this;
    the_button_bar_services = this;
    config().listener = this;
    input_window_ = new xirr_input_window(this, wxID_ANY, "main input window");
    input_window_->set_host(this);
    main_output_ = new xirr_main_window(this, wxID_ANY);
    main_output_->set_host(this);
    main_text_target_.reset(new display_text_target(main_output_));
    direction_buttons_ = new xirr_direction_buttons(this);
    hint_buttons_ = new xirr_hint_buttons(this);
    fkey_bar_ = new xirr_fkey_manager(this);
    channel_window_ = new xirr_channel_window(this);
    router_.reset(new text_run_router(&config(), main_text_target_.get(), channel_window_));
}

void xirr_mw::start_timers()
{
    frame_timer_.Start(20);
    ping_timer_.Start(15000);
    autosave_timer_.Start(300000);
}

xirr_mw::~xirr_mw()
{
    frame_timer_.Stop();
    ping_timer_.Stop();
    autosave_timer_.Stop();
    // The bars own child windows of this frame: delete them while it exists.
    delete direction_buttons_;
    delete hint_buttons_;
    delete fkey_bar_;
    delete channel_window_;
    channel_window_ = nullptr;
    direction_buttons_ = nullptr;
    hint_buttons_ = nullptr;
    fkey_bar_ = nullptr;
    if (config().listener == this)
        config().listener = nullptr;
    the_frame_services = nullptr;
    the_focus_hand_off = nullptr;
    the_button_bar_services = nullptr;
    xirr_frame::main_frame = nullptr;
    the_main_frame = nullptr;
}

SkiffConfig &xirr_mw::config()
{
    return SkiffConfig::instance();
}

int xirr_mw::client_width() const
{
    return GetClientSize().GetWidth();
}

int xirr_mw::client_height() const
{
    return GetClientSize().GetHeight();
}

// --- the 20 ms tick ---------------------------------------------------------

void xirr_mw::OnTimer(wxTimerEvent &event)
{
    if (!constructed_) {
        if (debug_level > 1)
            debug_log("xirr_mw::OnTimer() - constructor not finished?\n");
        return;
    }
    if (focus_again_) {
        input_window_->SetFocus();
        focus_again_ = false;
    }
    // Displays that got text are refreshed once for all the chunks of a tick.
    router_->begin_chunk();
    connection_->socket_handler();
    router_->end_chunk();
    run_animations(20);
    connection_->send_pending_status_report();
    show_pending_message();
    if (url_pending_) {
        url_pending_ = false;
        launch_browser(pending_url_);
    }
    flush_waiting_partial_line();
    shutdown_step();
}

void xirr_mw::show_pending_message()
{
    if (!message_pending_)
        return;
    begin_message();
    print(pending_message_.c_str());
    refresh_main_output();
    message_pending_ = false;
    pending_message_.clear();
}

// A line without its newline is shown once it has waited three ticks.
void xirr_mw::flush_waiting_partial_line()
{
    if (!main_output_->has_partial_line()) {
        partial_line_ticks_ = 0;
        return;
    }
    if (++partial_line_ticks_ > 2) {
        main_output_->flush_partial_line();
        partial_line_ticks_ = 0;
    }
}

void xirr_mw::shutdown_step()
{
    switch (exit_countdown_.step()) {
    case xirr_exit_countdown::close_now:
        close_and_destroy();
        break;
    case xirr_exit_countdown::exit_forced:
        exit(0);
    case xirr_exit_countdown::nothing:
        break;
    }
}

// The audio output, the popup windows and the system configuration file
// are released and saved here once they are part of the client.
void xirr_mw::close_and_destroy()
{
    frame_timer_.Stop();
    Destroy();
}

void xirr_mw::system_shutdown_handler()
{
    exit_countdown_.request();
}

void xirr_mw::on_ping_timer(wxTimerEvent &event)
{
    connection_->send_ping();
}

// Records the popup windows' geometry and saves the system configuration,
// once both exist.
void xirr_mw::on_autosave_timer(wxTimerEvent &event) {}

// Until the exit dialogs exist, closing the window quits the way the
// not-connected case of the dialog does: at once, through the countdown.
void xirr_mw::on_close(wxCloseEvent &event)
{
    if (exit_countdown_.value() == 1 || !event.CanVeto()) {
        close_and_destroy();
        return;
    }
    event.Veto();
    system_shutdown_handler();
}

// --- size, paint, mouse, focus ----------------------------------------------

void xirr_mw::OnResize(wxSizeEvent &event)
{
    if (!constructed_) {
        if (debug_level > 1)
            debug_log("xirr_mw::OnResize() - windows bug triggered, constructor not yet finished.  Ignoring.\n");
        return;
    }
    int w = client_width();
    int h = client_height();
    if (w == remembered_width_ && h == remembered_height_) {
        if (debug_level > 1)
            debug_log("xirr_mw::OnResize() - ignoring double resize.\n");
        return;
    }
    if (w != 0 && h != 0) {
        remembered_width_ = w;
        remembered_height_ = h;
    }
    layout_panels();
    Refresh();
}

void xirr_mw::repaint_handler(wxPaintEvent &event)
{
    wxPaintDC dc(this);
    if (!background_surface_) {
        if (debug_level > 1)
            debug_log("Error in xirr_mw::repaint_handler() - no background image?\n");
        return;
    }
    blit_surface(dc, *background_surface_, 0, 0, background_upload_);
    if (!caption_font_)
        caption_font_.reset(new wxFont(9, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, true));
    dc.SetFont(*caption_font_);
    dc.SetTextForeground(*wxYELLOW);
    dc.SetTextBackground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    wxString caption(game_web_host);
    wxSize extent = dc.GetTextExtent(caption);
    int lw = logo_image ? logo_image->GetWidth() : 192;
    int lh = logo_image ? logo_image->GetHeight() : 43;
    logo_placement p = place_logo(config().get_current_layout(), client_width(), client_height(), lw, lh,
                                  extent.GetWidth(), extent.GetHeight());
    if (logo_image)
        blit_surface(dc, *logo_image, p.logo_x, p.logo_y, logo_upload_);
    dc.DrawText(caption, p.caption_x, p.caption_y);
    logo_rect_[0] = p.rect_x;
    logo_rect_[1] = p.rect_y;
    logo_rect_[2] = p.rect_width;
    logo_rect_[3] = p.rect_height;
}

// A click on the logo opens the game's main web page.
void xirr_mw::on_mouse(wxMouseEvent &event)
{
    event.Skip();
    if (!event.LeftIsDown())
        return;
    int x = event.GetX();
    int y = event.GetY();
    bool inside = x > logo_rect_[0] && y > logo_rect_[1] && x < logo_rect_[0] + logo_rect_[2] &&
                  y < logo_rect_[1] + logo_rect_[3];
    if (!inside)
        return;
    std::string url = std::string("http://") + game_web_host + "/?sk";
    if (launch_browser(url.c_str())) {
        begin_message();
        print("\n");
        print("\nOpening the main Veymoor web page in your browser...");
        print("\n");
        refresh_main_output();
    }
}

void xirr_mw::on_set_focus(wxFocusEvent &event)
{
    if (input_window_)
        input_window_->SetFocus();
}

bool xirr_mw::transfer_focus_main(wxWindow *window)
{
    if (!window) {
        if (debug_level > 1)
            debug_log("Error in transfer_focus_main() - null w?\n");
        return false;
    }
    wxWindow *parent = window->GetParent();
    for (wxWindow *w = window; w; w = w->GetParent()) {
        if (w == this) {
            input_window_->SetFocus();
            focus_again_ = true;
            return true;
        }
        // A frame floating on ours keeps its focus.  Only frames are asked:
        // the same style bit means "vertical" on a scrollbar, and the main
        // output's own scrollbar must hand the focus back.
        if (w->IsTopLevel() && (w->GetWindowStyleFlag() & wxFRAME_FLOAT_ON_PARENT))
            return false;
    }
    if (!parent)
        return false;
    parent->SetFocus();
    return true;
}

void xirr_mw::transfer_focus_main()
{
    input_window_->SetFocus();
    focus_again_ = true;
}

// --- messages, links and the clipboard ----------------------------------------

void xirr_mw::begin_message()
{
    main_output_->unlock_scrollback();
    main_output_->reset_attributes();
    main_output_->show_text("\n");
    parser_->reset();
}

void xirr_mw::print(const char *text)
{
    main_output_->show_text(text ? text : "");
}

void xirr_mw::refresh_main_output()
{
    main_output_->refresh_text();
}

void xirr_mw::queue_message(const char *text)
{
    pending_message_.append(text);
    message_pending_ = true;
}

void xirr_mw::open_url(const char *url)
{
    std::strncpy(pending_url_, url ? url : "", sizeof pending_url_ - 1);
    pending_url_[sizeof pending_url_ - 1] = 0;
    if (debug_level > 1)
        debug_log("open_url() - '%s'.\n", pending_url_);
    url_pending_ = true;
}

bool xirr_mw::launch_browser(const char *url)
{
    if (run_browser(url))
        return true;
    queue_message(browser_failure_message(url).c_str());
    return false;
}

void xirr_mw::set_clipboard_data(const char *text)
{
    wxLogNull quiet;
    if (!wxTheClipboard->Open()) {
        if (debug_level > 1)
            debug_log("Error in set_clipboard_data(), unable to open clipboard.\n");
        return;
    }
    wxTheClipboard->UsePrimarySelection(true);
    wxTheClipboard->SetData(new wxTextDataObject(bytes_to_wx(text ? text : "")));
    wxTheClipboard->UsePrimarySelection(false);
    wxTheClipboard->Close();
}

bool xirr_mw::get_clipboard_data(char *buffer, int size)
{
    if (!buffer || size < 1)
        return false;
    buffer[0] = 0;
    wxLogNull quiet;
    if (!wxTheClipboard->Open()) {
        if (debug_level > 1)
            debug_log("Error in get_clipboard_data(), unable to open clipboard.\n");
        return false;
    }
    wxTheClipboard->UsePrimarySelection(true);
    bool got = false;
    if (wxTheClipboard->IsSupported(wxDF_TEXT)) {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data)) {
            std::string bytes = wx_to_bytes(data.GetText());
            std::strncpy(buffer, bytes.c_str(), static_cast<size_t>(size) - 1);
            buffer[size - 1] = 0;
            got = true;
        }
    }
    wxTheClipboard->UsePrimarySelection(false);
    wxTheClipboard->Close();
    return got;
}
