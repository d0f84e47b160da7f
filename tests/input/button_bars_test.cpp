#include <wx/app.h>
#include <wx/frame.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/null_frame_services.h"
#include "draw/button_fonts.h"
#include "draw/themes.h"
#include "input/button_bar_services.h"
#include "input/xirr_command_button.h"
#include "input/xirr_direction_buttons.h"
#include "input/xirr_fkey_button.h"
#include "input/xirr_fkey_manager.h"
#include "input/xirr_hint_buttons.h"
#include "protocol/xirr_tag_dispatch.h"
#include "support/debug_log.h"
#include "tests/common/test_font.h"

namespace {

// Records what the bars ask of the main frame.
class recording_frame : public null_frame_services, public button_bar_services {
public:
    std::vector<std::string> commands;  // "text|echo"
    int focus_returns = 0;
    int unlocks = 0;
    int state = 0;
    // Runs before the command is recorded, as a command that reshapes the
    // bars would.
    std::function<void()> on_command;

    void process_command_line(const char *text, bool echo) override
    {
        if (on_command)
            on_command();
        commands.push_back(std::string(text) + (echo ? "|echo" : "|quiet"));
    }
    void transfer_focus_main() override { focus_returns++; }
    void unlock_main_scrollback() override { unlocks++; }
    int login_state() const override { return state; }
};

// The main frame's share of the records, as far as the bars are concerned:
// the dispatcher decodes each record and the bars do the rest.
class bar_host : public xirr_tag_host {
public:
    xirr_direction_buttons *pad = nullptr;
    xirr_hint_buttons *hints = nullptr;
    xirr_fkey_manager *keys = nullptr;
    int exit_mask = -1;

    void set_direction_buttons(bool on) override
    {
        if (on)
            pad->directions_on();
        else
            pad->directions_off();
    }
    void set_exit_mask(int mask) override
    {
        exit_mask = mask;
        pad->set_exit_mask(mask);
    }
    bool clear_hints() override
    {
        hints->clear_hints();
        return true;
    }
    bool setup_hint_button(int n, const char *name, const char *payload) override
    {
        hints->setup_button(name, payload);
        return true;
    }
    bool setup_fkey_button(int n, const char *name, const char *payload) override
    {
        keys->setup_button(name, payload);
        return true;
    }

    void set_frame_title(const char *) override {}
    void select_character_config(const char *) override {}
    void set_login_state(int) override {}
    void note_login_time() override {}
    void select_history_set(int) override {}
    void apply_automap_visibility() override {}
    void show_logged_in_panels() override {}
    void set_normal_input() override {}
    void relayout_frame(bool) override {}
    void request_status_report() override {}
    bool colorflash_enabled() override { return false; }
    void parse_colorflash(const char *) override {}
    void show_ping_time() override {}
    bool divert_to_popup(const char *, bool) override { return false; }
    void report_missing_popup() override {}
    void undivert() override {}
    void unappend() override {}
};

void record(bar_host &host, const char *name, const char *payload)
{
    dispatch_tagged_data(host, name, payload, static_cast<int>(std::strlen(payload)));
}

class button_bars_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        build_theme_tables();
        switch_button_theme(theme_value_blue);
        set_button_fonts(&font, &font);
        the_frame_services = &services;
        the_button_bar_services = &services;
        frame = new wxFrame(nullptr, wxID_ANY, "bars", wxDefaultPosition, wxSize(800, 600));
        frame->Show();
    }
    void TearDown() override
    {
        the_frame_services = nullptr;
        the_button_bar_services = nullptr;
        set_button_fonts(nullptr, nullptr);
        frame->Destroy();
        pump();
    }
    void pump()
    {
        for (int i = 0; i < 5; i++)
            wxTheApp->Yield(true);
    }
    void click(wxWindow *w)
    {
        wxMouseEvent down(wxEVT_LEFT_DOWN);
        down.SetEventObject(w);
        w->GetEventHandler()->ProcessEvent(down);
        wxMouseEvent up(wxEVT_LEFT_UP);
        up.SetEventObject(w);
        w->GetEventHandler()->ProcessEvent(up);
        pump();
    }
    std::string log_text()
    {
        std::ifstream f(debug_file_name.c_str());
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }

    test_font font;
    recording_frame services;
    wxFrame *frame = nullptr;
};

} // namespace

TEST_F(button_bars_test, dirs_record_lights_the_exits_and_every_button_sends_its_command)
{
    xirr_direction_buttons pad(frame);
    pad.init_directions();
    pad.set_rect(10, 20, 97, 130);
    pad.set_visible(true);
    for (int i = 0; i < direction_button_count; i++)
        EXPECT_EQ(pad.button(i)->get_button_state(), button_disabled);
    // A disabled pad ignores clicks entirely.
    click(pad.button(1));
    EXPECT_TRUE(services.commands.empty());

    bar_host host;
    host.pad = &pad;
    record(host, "dirs", "on IB");
    EXPECT_EQ(host.exit_mask, 0x101);
    for (int i = 0; i < direction_button_count; i++) {
        const direction_button_entry &entry = direction_buttons_table[i];
        xirr_command_button *b = pad.button(i);
        bool want_lit = entry.exit_bit == 0 || entry.exit_bit == 0x001 || entry.exit_bit == 0x100;
        EXPECT_EQ(b->get_lit(), want_lit ? 1 : 0) << entry.label;
        EXPECT_STREQ(b->get_label(), entry.label);
        EXPECT_EQ(b->GetPosition(), wxPoint(10 + entry.place.x, 20 + entry.place.y)) << entry.label;
        EXPECT_EQ(b->GetSize(), wxSize(entry.place.width, entry.place.height)) << entry.label;
        click(b);
        ASSERT_FALSE(services.commands.empty());
        EXPECT_EQ(services.commands.back(), std::string(entry.command) + "|echo");
    }
    EXPECT_EQ(services.commands.size(), 11u);
    EXPECT_EQ(services.focus_returns, 11);
    EXPECT_EQ(services.unlocks, 11);

    // Switching off keeps the lighting; only a mask changes it.
    record(host, "dirs", "off");
    EXPECT_EQ(pad.button(1)->get_button_state(), button_disabled);
    EXPECT_EQ(pad.button(1)->get_lit(), 1);
    record(host, "dirs", "on AA");
    EXPECT_EQ(pad.button(1)->get_lit(), 0);
    EXPECT_EQ(pad.button(direction_out_button)->get_lit(), 1);
}

TEST_F(button_bars_test, hint_column_after_a_disconnect_and_hint_records)
{
    xirr_hint_buttons hints(frame);
    bar_host host;
    host.hints = &hints;
    hints.set_rect(5, 100, 97, 420);
    record(host, "bclear", "");
    hints.show_connect_hints();
    pump();
    EXPECT_TRUE(hints.button(0)->IsShown());
    EXPECT_EQ(hints.button(0)->GetPosition(), wxPoint(5, 116));
    EXPECT_EQ(hints.button(0)->GetSize(), wxSize(97, 26));
    EXPECT_TRUE(hints.button(11)->IsShown());
    EXPECT_EQ(hints.button(11)->GetPosition(), wxPoint(5, 165));
    for (int i = 1; i < 11; i++)
        EXPECT_FALSE(hints.button(i)->IsShown()) << i;
    click(hints.button(11));
    EXPECT_EQ(services.commands.back(), "quit|echo");

    record(host, "b3", "Look\nlook around");
    EXPECT_STREQ(hints.button(2)->get_label(), "Look");
    EXPECT_STREQ(hints.button(2)->get_command(), "look around");
    EXPECT_EQ(hints.button(2)->get_button_state(), button_normal);
    EXPECT_EQ(hints.button(2)->get_lit(), 1);
    EXPECT_EQ(hints.button(2)->GetPosition(), wxPoint(5, 100 + 16 + 33 + 16));
    EXPECT_EQ(hints.button(11)->GetPosition(), wxPoint(5, 100 + 16 + 33 + 16 + 33 + 16));

    record(host, "b3t", "Other\nother");
    EXPECT_STREQ(hints.button(2)->get_command(), "look around");
    record(host, "b13", "Other\nother");
    EXPECT_NE(log_text().find("requested button number 13 is bogus"), std::string::npos);

    // The label alone removes the button and the column closes the gap.
    record(host, "b3", "Look");
    EXPECT_EQ(hints.button(2)->get_button_state(), button_disabled);
    EXPECT_EQ(hints.button(2)->get_lit(), 0);
    EXPECT_FALSE(hints.button(2)->IsShown());
    EXPECT_EQ(hints.button(11)->GetPosition(), wxPoint(5, 165));

    hints.set_visible(false);
    EXPECT_FALSE(hints.button(0)->IsShown());
    hints.setup_button("b5", "Sit\nsit");
    EXPECT_FALSE(hints.button(4)->IsShown());
    hints.set_visible(true);
    EXPECT_TRUE(hints.button(4)->IsShown());
    hints.flash_hints();
    EXPECT_TRUE(hints.button(7)->is_animating());
}

TEST_F(button_bars_test, function_keys_take_captions_and_send_their_names_only_when_logged_in)
{
    xirr_fkey_manager keys(frame);
    bar_host host;
    host.keys = &keys;
    keys.set_rect(0, 500, 400, 46);
    keys.set_visible(true);
    EXPECT_EQ(keys.button(0)->GetPosition(), wxPoint(3, 503));
    EXPECT_EQ(keys.button(7)->GetRect().GetRight() + 1, 352);
    EXPECT_EQ(keys.button(7)->GetSize(), wxSize(41, 41));

    record(host, "bf2", "\n\nHeal");
    EXPECT_STREQ(keys.button(1)->get_caption(), "Heal");
    EXPECT_EQ(keys.button(1)->get_active(), 1);
    EXPECT_STREQ(keys.button(1)->get_first_line(), "Heal");
    // 41 pixels hold six test-font characters a line.
    record(host, "bf3", "Cast magic missile");
    EXPECT_STREQ(keys.button(2)->get_first_line(), "Cast");
    EXPECT_STREQ(keys.button(2)->get_second_line(), "magic");
    record(host, "bf2", "");
    EXPECT_STREQ(keys.button(1)->get_caption(), "");
    EXPECT_EQ(keys.button(1)->get_active(), 0);
    record(host, "bf9", "Nine");
    record(host, "bf13", "Thirteen");
    EXPECT_NE(log_text().find("Warning in xirr_fkey_manager::setup_button(), requested button number 13 is bogus.  Ignoring.\n"),
              std::string::npos);

    services.state = 0;
    click(keys.button(3));
    EXPECT_TRUE(services.commands.empty());
    EXPECT_EQ(services.focus_returns, 1);
    services.state = 2;
    click(keys.button(3));
    ASSERT_EQ(services.commands.size(), 1u);
    EXPECT_EQ(services.commands[0], "f04|quiet");
    EXPECT_EQ(services.focus_returns, 2);
    EXPECT_EQ(services.unlocks, 2);

    // Going inactive keeps the captions for the next login.
    keys.set_keys_active(0);
    EXPECT_EQ(keys.button(2)->get_active(), 0);
    EXPECT_STREQ(keys.button(2)->get_caption(), "Cast magic missile");
    keys.set_keys_active(1);
    EXPECT_EQ(keys.button(2)->get_active(), 1);
}

TEST_F(button_bars_test, a_command_that_clears_the_column_still_runs_whole)
{
    xirr_hint_buttons hints(frame);
    hints.set_rect(0, 0, 97, 420);
    hints.clear_hints();
    hints.show_connect_hints();
    // "connect" opens a connection, and opening one clears the hint column.
    services.on_command = [&] { hints.clear_hints(); };
    click(hints.button(0));
    ASSERT_EQ(services.commands.size(), 1u);
    EXPECT_EQ(services.commands[0], "connect|echo");
    EXPECT_STREQ(hints.button(0)->get_command(), "");
}
