// The main frame in this process, on the test display.
#include <wx/app.h>
#include <wx/event.h>
#include <wx/frame.h>
#include <wx/scrolbar.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "app/server_address.h"
#include "app/shared_fonts.h"
#include "app/xirr_mw.h"
#include "config/skiff_config.h"
#include "draw/builtin_images.h"
#include "draw/themes.h"
#include "draw/xirr_font.h"
#include "input/xirr_input_window.h"
#include "tests/common/client_session.h"
#include "tests/common/log_tail.h"
#include "text/xirr_channel_window.h"
#include "text/xirr_main_window.h"
#include "text/xirr_text_hooks.h"

namespace {

void pump_ms(int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Pumps events until done() holds or a generous deadline passes, so a
// slow machine only makes the test slower.
bool pump_until(const std::function<bool()> &done, int ms = 10000)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool client_size_is(xirr_mw *frame, int w, int h)
{
    return frame->GetClientSize() == wxSize(w, h);
}

// The main output's rows, a line feed after each row that ends a line.
std::string main_output_text(xirr_mw *frame)
{
    xirr_textctrl_core *view = frame->main_output()->text_view();
    std::string text, row;
    for (int i = 0; i < view->row_count(); i++) {
        if (view->row_text(i, &row))
            text += row;
        if (view->row_hard_break(i))
            text += "\n";
    }
    return text;
}

// A main frame as start-up builds it, playing against a closed loopback
// port so its first tick fails to connect and shows the Connect and Quit
// hints.
class main_frame_test : public testing::Test {
protected:
    void SetUp() override
    {
        set_game_server("127.0.0.1:1");
        build_theme_tables();
        if (!logo_image)
            load_builtin_images();
        create_shared_fonts(8);
        the_main_text_font = main_font;
        SkiffConfig &c = SkiffConfig::instance();
        c.setup_default_config(nullptr);
        switch_background_theme();
        switch_button_theme();
        frame = new xirr_mw("Veymoor", wxDefaultPosition, wxSize(984, 728));
        frame->Show(true);
        // The first tick tries the closed port; the failure offers the
        // reconnect hint in the main output and the Connect and Quit buttons.
        ASSERT_TRUE(pump_until([this] { return main_output_text(frame).find("File / Connect") != std::string::npos; }));
        pump_ms(100);
    }
    void TearDown() override
    {
        if (xirr_mw::the_main_frame == frame)
            frame->Destroy();
        pump_ms(50);
    }

    xirr_mw *frame = nullptr;
};

}  // namespace

TEST_F(main_frame_test, background_surface_only_grows_and_same_size_resizes_are_ignored)
{
    // 984 x 728 made a surface of 1024 x 768; it never shrinks.
    EXPECT_EQ(frame->background().width, 1024);
    EXPECT_EQ(frame->background().height, 768);
    frame->SetClientSize(700, 500);
    ASSERT_TRUE(pump_until([&] { return client_size_is(frame, 700, 500); }));
    pump_ms(50);
    EXPECT_EQ(frame->background().width, 1024);
    EXPECT_EQ(frame->background().height, 768);

    frame->SetClientSize(1100, 800);
    ASSERT_TRUE(pump_until([&] { return client_size_is(frame, 1100, 800) && frame->background().width == 1280; }));
    EXPECT_EQ(frame->background().width, 1280);
    EXPECT_EQ(frame->background().height, 1024);

    SkiffConfig::instance().set_theme_bg_setting(SkiffConfig::instance().get_theme_bg_setting() == 4 ? 2 : 4);
    EXPECT_EQ(frame->background().width, 1536);
    EXPECT_EQ(frame->background().height, 1280);

    log_tail log;
    wxSizeEvent same(frame->GetSize(), frame->GetId());
    same.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(same);
    EXPECT_TRUE(log.contains("xirr_mw::OnResize() - ignoring double resize.\n"));
}

TEST_F(main_frame_test, each_layout_shows_the_logo_or_the_background_in_the_free_column)
{
    struct row {
        int layout;
        bool logo_visible;
    } rows[] = {{0, true}, {1, false}, {2, false}};
    for (const row &r : rows) {
        SkiffConfig::instance().set_current_layout(r.layout);
        frame->Refresh();
        const int w = frame->GetClientSize().GetWidth();
        const int h = frame->GetClientSize().GetHeight();
        screenshot shot;
        int logo_mismatches = 0, background_mismatches = 0, compared = 0;
        // The hint column (from x = w - 99) shows the frame's own picture
        // below the Connect and Quit buttons.
        // The logo sits 5 pixels into its rectangle, centred; its caption
        // covers its rows from 33 on.
        auto compare = [&] {
            logo_mismatches = background_mismatches = compared = 0;
            if (!shot.take())
                return false;
            const int *logo = frame->logo_rect();
            int logo_x = logo[0] + logo[2] - logo[2] / 2 - 96;
            int logo_y = logo[1] + 5;
            for (int y = 150; y < h - 20; y++)
                for (int x = w - 97; x < w; x++) {
                    unsigned got = shot.pixel(x, y);
                    rgb_color bg = frame->background_surface()->GetPixel(x, y);
                    unsigned want_bg = (bg.red << 16) | (bg.green << 8) | bg.blue;
                    bool in_logo = x >= logo_x && x < logo_x + 192 && y >= logo_y && y < logo_y + 33;
                    if (in_logo) {
                        rgb_color lc = logo_image->GetPixel(x - logo_x, y - logo_y);
                        unsigned want_logo = (lc.red << 16) | (lc.green << 8) | lc.blue;
                        logo_mismatches += got != want_logo;
                        compared++;
                    } else {
                        background_mismatches += got != want_bg;
                    }
                }
            return background_mismatches == 0 && logo_mismatches == 0 && (compared > 1000) == r.logo_visible &&
                   shot.pixel(100, h - 48) == 0xFFFFFFu;
        };
        // The repaint lands when the display gets to it: look again until
        // the picture is right or the deadline has passed.
        pump_until(compare);
        EXPECT_EQ(background_mismatches, 0) << "layout " << r.layout;
        if (r.logo_visible) {
            EXPECT_GT(compared, 1000) << "layout " << r.layout;
            EXPECT_EQ(logo_mismatches, 0) << "layout " << r.layout;
        } else {
            EXPECT_EQ(compared, 0) << "layout " << r.layout;
        }
        // The input line's white top edge and the main output above it.
        EXPECT_EQ(shot.pixel(100, h - 48), 0xFFFFFFu) << "layout " << r.layout;
        EXPECT_EQ(shot.pixel(100, h - 49), 0xFFFFFFu) << "layout " << r.layout;
    }
}

TEST_F(main_frame_test, logo_click_without_a_browser_explains_on_the_next_tick)
{
    const char *old = std::getenv("PATH");
    std::string saved = old ? old : "";
    setenv("PATH", "/nonexistent", 1);
    SkiffConfig::instance().set_current_layout(0);
    frame->Refresh();
    // The logo rectangle is known once the frame has painted.
    ASSERT_TRUE(pump_until([&] { return frame->logo_rect()[2] > 0; }));
    const int *logo = frame->logo_rect();
    wxMouseEvent press(wxEVT_LEFT_DOWN);
    press.m_x = logo[0] + logo[2] / 2;
    press.m_y = logo[1] + logo[3] / 2;
    press.m_leftDown = true;
    press.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(press);
    setenv("PATH", saved.c_str(), 1);
    EXPECT_EQ(main_output_text(frame).find("Sorry, but I can't"), std::string::npos) << "shown too early";
    pump_until([&] { return main_output_text(frame).find("Sorry, but I can't") != std::string::npos; });
    std::string text = main_output_text(frame);
    EXPECT_NE(text.find("Sorry, but I can't seem invoke the FireFox browser."), std::string::npos) << text;
    EXPECT_NE(text.find("You can try to get to the link manually by going to:\n\nhttp://www.veymoor.com/?sk\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("Opening the main Veymoor web page"), std::string::npos);
}

TEST_F(main_frame_test, divert_to_a_missing_popup_apologises_and_text_stays_in_the_main_output)
{
    frame->process_tagged_data("divert", "x", 1);
    frame->process_socket_data("still here\n", 11);
    std::string text = main_output_text(frame);
    size_t sorry = text.find("\nSorry, no popup window by that name has been defined.\n\n");
    ASSERT_NE(sorry, std::string::npos) << text;
    EXPECT_NE(text.find("still here\n", sorry), std::string::npos);
}

TEST_F(main_frame_test, sound_record_with_sound_off_is_ignored_silently)
{
    SkiffConfig::instance().SetSystemAudio(0);
    log_tail log;
    frame->process_tagged_data("sound", "boom", 4);
    EXPECT_FALSE(log.contains("no handler for tag 'sound'"));
}

TEST_F(main_frame_test, focus_goes_back_to_the_input_line)
{
    auto input_has_focus = [&] {
        wxWindow *focus = wxWindow::FindFocus();
        return focus && focus->GetParent() == frame->input_window();
    };
    EXPECT_FALSE(frame->transfer_focus_main(nullptr));
    EXPECT_TRUE(frame->transfer_focus_main(frame->main_output()));
    EXPECT_TRUE(pump_until(input_has_focus));

    // A vertical scrollbar carries the same style bit as a frame that
    // floats on its parent; it still hands the focus back.
    wxScrollBar *bar = new wxScrollBar(frame->main_output(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                       wxSB_VERTICAL);
    bar->SetFocus();
    EXPECT_TRUE(frame->transfer_focus_main(bar));
    EXPECT_TRUE(pump_until(input_has_focus));
    bar->Destroy();

    // A frame floating on the main frame keeps the focus.
    wxFrame *floating = new wxFrame(frame, wxID_ANY, "float", wxDefaultPosition, wxSize(100, 100),
                                    wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT);
    wxWindow *inside = new wxWindow(floating, wxID_ANY);
    EXPECT_FALSE(frame->transfer_focus_main(inside));
    floating->Destroy();
}

TEST_F(main_frame_test, primary_selection_keeps_eight_bit_text)
{
    frame->set_clipboard_data("caf\xe9 au lait");
    pump_ms(50);
    char buffer[64];
    ASSERT_TRUE(frame->get_clipboard_data(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "caf\xe9 au lait");
    char tiny[4];
    ASSERT_TRUE(frame->get_clipboard_data(tiny, sizeof tiny));
    EXPECT_STREQ(tiny, "caf");
}

TEST_F(main_frame_test, close_request_quits_through_the_countdown)
{
    EXPECT_FALSE(frame->Close()) << "the close is refused";
    EXPECT_EQ(frame->exit_countdown(), 10);
    EXPECT_EQ(xirr_mw::the_main_frame, frame);
    pump_until([] { return xirr_mw::the_main_frame == nullptr; });
    EXPECT_EQ(xirr_mw::the_main_frame, nullptr) << "destroyed when one tick was left";
}

TEST_F(main_frame_test, channel_window_takes_diverted_text_while_logged_in)
{
    SkiffConfig &c = SkiffConfig::instance();
    c.set_channel_window_enable(1);
    c.set_channel_window_dupe(0);
    pump_ms(50);
    EXPECT_FALSE(frame->channel_window()->is_visible()) << "only while logged in";

    const char stream[] = ";slogin;Vudedu;elogin;;schdiv;gossip;echdiv;Vudedu gossips 'hi'\n;tchudiv;back in main\n";
    frame->process_socket_data(stream, sizeof stream - 1);
    xirr_channel_window *channels = frame->channel_window();
    pump_until([&] { return channels->is_visible(); });
    EXPECT_TRUE(channels->is_visible());
    // Status bar and status display are not part of the frame yet.
    int text_height = frame->GetClientSize().GetHeight() - c.get_input_height();
    EXPECT_EQ(channels->get_y(), 0);
    EXPECT_EQ(channels->get_height(), text_height * c.get_channel_window_height() / 100);
    EXPECT_NE(channels->model().find("gossip"), nullptr);
    EXPECT_NE(channels->model().find("(all)"), nullptr);
    std::string main = main_output_text(frame);
    EXPECT_EQ(main.find("gossips"), std::string::npos) << main;
    EXPECT_NE(main.find("back in main"), std::string::npos) << main;

    c.set_channel_window_dupe(1);
    const char again[] = ";schdiv;gossip;echdiv;Vudedu gossips 'twice'\n;tchudiv;";
    frame->process_socket_data(again, sizeof again - 1);
    EXPECT_NE(main_output_text(frame).find("gossips 'twice'"), std::string::npos);

    frame->process_command_line("//cclear", false);
    EXPECT_TRUE(channels->model().channels().empty());
    c.set_channel_window_enable(0);
}

TEST_F(main_frame_test, every_layout_returns_the_main_output_to_the_newest_line)
{
    std::string lines;
    for (int i = 0; i < 200; i++)
        lines += "line " + std::to_string(i) + "\n";
    frame->process_socket_data(lines.data(), static_cast<int>(lines.size()));
    frame->refresh_main_output();
    pump_ms(50);
    for (int layout : {0, 1, 2}) {
        frame->lock_main_output();
        frame->page_up_main_output();
        ASSERT_FALSE(frame->main_output_following()) << "layout " << layout;
        SkiffConfig::instance().set_current_layout(layout);
        EXPECT_TRUE(frame->main_output_following()) << "layout " << layout;
    }
    frame->lock_main_output();
    frame->page_up_main_output();
    ASSERT_FALSE(frame->main_output_following());
    frame->SetClientSize(900, 700);
    ASSERT_TRUE(pump_until([&] { return client_size_is(frame, 900, 700); }));
    EXPECT_TRUE(frame->main_output_following()) << "after a resize";
}
