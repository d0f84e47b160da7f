// The input line on a real X display: keys typed through the X server
// (xdotool) reach the toolkit's text control and the key map.
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/sizer.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "config/skiff_config.h"
#include "input/xirr_line_edit.h"
#include "tests/input/input_recorders.h"

namespace {

const char *const title = "skiff line edit test";

// Pumps events until the condition holds or two seconds have passed.
bool pump_until(const std::function<bool()> &done)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < end) {
        wxTheApp->Yield(true);
        if (done())
            return true;
        wxMilliSleep(5);
    }
    return false;
}

void pump_for(int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
}

class line_edit_window : public testing::Test {
protected:
    line_edit_window() : install(&frame)
    {
        if (!SkiffConfig::instance().current_char_cfg)
            SkiffConfig::instance().setup_default_config(nullptr);
        SkiffConfig::instance().reset_char_config();
        top = new wxFrame(nullptr, wxID_ANY, title, wxDefaultPosition, wxSize(400, 80));
        edit = new xirr_line_edit(top, wxID_ANY, "main");
        edit->set_host(&host);
        auto *sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(edit, 1, wxEXPAND);
        top->SetSizer(sizer);
        top->Show();
        pump_for(100);
        edit->SetFocus();
        pump_for(50);
    }
    ~line_edit_window() override
    {
        top->Destroy();
        pump_for(20);
    }

    // Runs xdotool on this test's window, which it first gives the focus.
    void xdotool(const std::string &args)
    {
        std::string command = std::string("LC_ALL=C.UTF-8 xdotool search --sync --name '") + title +
                              "' windowfocus --sync " + args + " >/dev/null 2>&1";
        ASSERT_EQ(system(command.c_str()), 0) << command;
    }

    bool commands_reach(size_t n)
    {
        return pump_until([&] { return frame.commands.size() >= n; });
    }

    recording_frame frame;
    frame_installer install;
    recording_host host;
    wxFrame *top = nullptr;
    xirr_line_edit *edit = nullptr;
};

}  // namespace

TEST_F(line_edit_window, has_its_window_name)
{
    EXPECT_EQ(edit->GetName(), "main input window");
}

TEST_F(line_edit_window, typed_line_is_submitted_and_recalled)
{
    xdotool("type --delay 5 'look north'");
    ASSERT_TRUE(pump_until([&] { return edit->line_text() == "look north"; }));
    xdotool("key Return");
    ASSERT_TRUE(commands_reach(1));
    EXPECT_EQ(frame.commands[0].text, "look north");
    EXPECT_TRUE(frame.commands[0].echo);
    EXPECT_EQ(edit->line_text(), "");
    xdotool("key Up");
    EXPECT_TRUE(pump_until([&] { return edit->line_text() == "look north"; }));
}

TEST_F(line_edit_window, latin1_byte_stays_one_byte)
{
    // The test display's US keymap has no e-acute: a French one has it on a
    // key of its own, which the toolkit must have seen before the key comes.
    ASSERT_EQ(system("setxkbmap fr"), 0);
    pump_for(200);
    xdotool("type --delay 5 'caf\xc3\xa9'");  // the shell's text is UTF-8
    bool typed = pump_until([&] { return edit->line_text().size() == 4; });
    system("setxkbmap us");
    pump_for(200);
    ASSERT_TRUE(typed) << edit->GetValue().utf8_string();
    xdotool("key Return");
    ASSERT_TRUE(commands_reach(1));
    EXPECT_EQ(frame.commands[0].text, "caf\xe9");
    // And back into the control unchanged.
    edit->show_line("\xe9t\xe9");
    EXPECT_EQ(edit->GetValue(), wxString::FromUTF8("\xc3\xa9t\xc3\xa9"));
    EXPECT_EQ(edit->line_text(), "\xe9t\xe9");
}

TEST_F(line_edit_window, characters_beyond_latin1_become_question_marks)
{
    EXPECT_EQ(wx_to_bytes(wxString::FromUTF8("a\xe2\x82\xac" "b\xc3\xa9")), "a?b\xe9");
}

TEST_F(line_edit_window, hidden_input_is_black_on_black_and_not_stored)
{
    edit->set_hidden_input();
    // Recalling a command at the prompt keeps the hidden colours.
    xdotool("key Up");
    ASSERT_TRUE(pump_until([&] { return edit->line_text() == "connect"; }));
    wxTextAttr recalled;
    ASSERT_TRUE(edit->GetStyle(1, recalled));
    EXPECT_EQ(recalled.GetTextColour(), *wxBLACK);
    edit->clear_line();
    // So does a font change (Control-plus at the prompt).
    edit->set_input_font(wxFont(wxFontInfo(12).Family(wxFONTFAMILY_MODERN)));
    xdotool("type --delay 5 'secret'");
    ASSERT_TRUE(pump_until([&] { return edit->line_text() == "secret"; }));
    wxTextAttr style;
    ASSERT_TRUE(edit->GetStyle(2, style));
    EXPECT_EQ(style.GetTextColour(), *wxBLACK);
    EXPECT_EQ(edit->GetBackgroundColour(), *wxBLACK);
    xdotool("key Return");
    ASSERT_TRUE(commands_reach(1));
    EXPECT_EQ(frame.commands[0].text, "secret");
    EXPECT_TRUE(edit->is_hidden_input());
    EXPECT_EQ(*edit->model().history().slot(2), "connect");
    edit->set_normal_input();
    EXPECT_FALSE(edit->is_hidden_input());
}

TEST_F(line_edit_window, keypad_walks_and_control_return_adds_a_line)
{
    xdotool("key KP_Up");
    ASSERT_TRUE(commands_reach(1));
    EXPECT_EQ(frame.commands[0].text, "north");
    EXPECT_EQ(edit->line_text(), "");
    xdotool("type --delay 5 ab");
    xdotool("key ctrl+Return");
    xdotool("type --delay 5 cd");
    ASSERT_TRUE(pump_until([&] { return edit->line_text() == "ab\ncd"; }));
    EXPECT_EQ(frame.commands.size(), 1u);
    // The cursor in the second line: Up moves within the text.
    edit->set_line_cursor(4);
    xdotool("key Up");
    EXPECT_TRUE(pump_until([&] { return edit->line_cursor() == 2; }));
    EXPECT_EQ(edit->line_text(), "ab\ncd");
}

TEST_F(line_edit_window, control_keys_and_function_keys_arrive_translated)
{
    host.logged_in = true;
    xdotool("type --delay 5 abc");
    xdotool("key ctrl+k");
    ASSERT_TRUE(pump_until([&] { return edit->line_text().empty(); }));
    xdotool("key shift+F3");
    ASSERT_TRUE(commands_reach(1));
    EXPECT_EQ(frame.commands[0].text, "sf03");
    EXPECT_FALSE(frame.commands[0].echo);
    xdotool("key ctrl+d");
    EXPECT_TRUE(pump_until([&] { return host.log().find("break") != std::string::npos; }));
}

TEST_F(line_edit_window, paste_event_takes_the_primary_selection)
{
    frame.clipboard = "get \xe9p\xe9\ntake";
    edit->show_line("x");
    xdotool("key ctrl+v");
    EXPECT_TRUE(pump_until([&] { return edit->line_text() == "xget \xe9p\xe9\ntake"; }));
    // The toolkit's own paste (Shift-Insert) comes here too.
    edit->clear_line();
    xdotool("key shift+Insert");
    EXPECT_TRUE(pump_until([&] { return edit->line_text() == "get \xe9p\xe9\ntake"; }));
    edit->clear_line();
    edit->manual_clipboard_paste();
    EXPECT_EQ(edit->line_text(), "get \xe9p\xe9\ntake");
}
