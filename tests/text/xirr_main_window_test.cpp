#include <wx/app.h>
#include <wx/frame.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/null_frame_services.h"
#include "config/skiff_config.h"
#include "tests/common/test_font.h"
#include "text/xirr_main_window.h"
#include "text/xirr_text_hooks.h"

namespace {

class command_recorder : public null_frame_services {
public:
    command_recorder() : previous_(the_frame_services) { the_frame_services = this; }
    ~command_recorder() override { the_frame_services = previous_; }
    void process_command_line(const char *text, bool echo) override
    {
        commands.push_back(std::string(echo ? "+" : "-") + text);
    }
    std::vector<std::string> commands;

private:
    frame_services *previous_;
};

// A plain panel standing in for the automap and the group display.
class corner_panel : public xirr_embedded_window,
                     public xirr_docked_automap,
                     public xirr_corner_group_display {
public:
    explicit corner_panel(wxWindow *parent) : xirr_embedded_window(parent, wxID_ANY, "corner") {}
    void relayout(bool) override {}
    void repaint_internal(xirr_bitmap &s) override { s.Clear(color_black); }
    xirr_embedded_window *automap_panel() override { return this; }
    int automap_scale() const override { return 7; }
    xirr_embedded_window *group_panel() override { return this; }
    int group_member_count() const override { return members; }
    int group_needed_height() const override { return 34; }
    int members = 2;
};

class login_host : public xirr_main_window_host {
public:
    int login_state() const override { return state; }
    int state = 2;
};

class main_window_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        SkiffConfig &c = SkiffConfig::instance();
        if (!c.current_char_cfg)
            c.setup_default_config(nullptr);
        c.reset_char_config();
        the_main_text_font = &font;
        frame = new wxFrame(nullptr, wxID_ANY, "main", wxDefaultPosition, wxSize(700, 500));
        frame->Show();
        output = new xirr_main_window(frame, wxID_ANY);
        output->set_host(&host);
        output->place(0, 0, 600, 400);
        pump();
    }
    void TearDown() override
    {
        frame->Destroy();
        pump();
        the_main_text_font = nullptr;
    }
    void pump()
    {
        for (int i = 0; i < 5; i++)
            wxTheApp->Yield(true);
    }
    void write(const std::string &s) { output->write_ansi_data(s.data(), (int)s.size()); }

    test_font font;
    login_host host;
    wxFrame *frame = nullptr;
    xirr_main_window *output = nullptr;
};

} // namespace

TEST_F(main_window_test, rebuild_line_sends_remap_and_notice)
{
    command_recorder recorder;
    EXPECT_EQ(output->GetName(), "");
    write("Ann imms: rebuild please now\n");
    EXPECT_TRUE(recorder.commands.empty());
    // Split across writes, with colour in front.
    write("\x1b[1mAnn imms: rebu");
    write("ild please\nmore");
    ASSERT_EQ(recorder.commands.size(), 2u);
    EXPECT_EQ(recorder.commands[0], "+aset remap");
    EXPECT_EQ(recorder.commands[1],
              "+imm in progress, please wait approximately two minutes for maps to be built and "
              "transfer");
    // A line without its newline counts once the frame flushes it.
    recorder.commands.clear();
    write("\nBo imms: rebuild please");
    EXPECT_TRUE(recorder.commands.empty());
    output->flush_partial_line();
    EXPECT_EQ(recorder.commands.size(), 2u);
}

TEST_F(main_window_test, rebuild_line_split_at_every_byte_gives_the_same_commands)
{
    command_recorder recorder;
    const std::string line = "\x1b[32mZed imms: rebuild please\n";
    for (size_t k = 0; k <= line.size(); k++) {
        recorder.commands.clear();
        write(line.substr(0, k));
        write(line.substr(k));
        EXPECT_EQ(recorder.commands.size(), 2u) << "split at " << k;
    }
}

TEST_F(main_window_test, scrollbar_follows_the_option)
{
    SkiffConfig::instance().set_mw_scrollbar_enable(0);
    output->place(0, 0, 600, 400);
    EXPECT_EQ(output->scrollbar_shown(), 0);
    SkiffConfig::instance().set_mw_scrollbar_enable(1);
    output->place(0, 0, 600, 400);
    EXPECT_EQ(output->scrollbar_shown(), 1);
}

// The main frame stores the option and then calls show_scrollbar: the view
// must widen and narrow with it, and the corner panels follow the view.
TEST_F(main_window_test, show_scrollbar_lays_the_view_and_the_corner_out_again)
{
    wxWindow *view = output->get_text_view();
    auto *map = new corner_panel(view);
    map->place(0, 0, 130, 150);
    output->set_docked_automap(map);
    SkiffConfig::instance().set_automap_display(1);
    output->force_relayout();
    const int with_bar = view->GetClientSize().GetWidth();
    ASSERT_TRUE(output->get_scrollbar()->IsShown());

    SkiffConfig::instance().set_mw_scrollbar_enable(0);
    output->show_scrollbar(0);
    EXPECT_FALSE(output->get_scrollbar()->IsShown());
    const int without_bar = view->GetClientSize().GetWidth();
    EXPECT_GT(without_bar, with_bar);
    EXPECT_EQ(map->GetPosition().x, without_bar - 130 - 14);

    SkiffConfig::instance().set_mw_scrollbar_enable(1);
    output->show_scrollbar(1);
    EXPECT_TRUE(output->get_scrollbar()->IsShown());
    EXPECT_EQ(view->GetClientSize().GetWidth(), with_bar);
    EXPECT_EQ(map->GetPosition().x, with_bar - 130 - 14);
    output->set_docked_automap(nullptr);
}

TEST_F(main_window_test, automap_and_group_display_sit_in_the_corner_of_the_text_view)
{
    wxWindow *view = output->get_text_view();
    auto *map = new corner_panel(view);
    map->place(0, 0, 130, 150);
    auto *group = new corner_panel(frame);  // not docked here: left alone
    group->place(5, 5, 50, 20);
    output->set_docked_automap(map);
    output->set_group_display(group);
    SkiffConfig::instance().set_automap_display(1);
    SkiffConfig::instance().set_group_status_display(1);
    output->force_relayout();
    int W = view->GetClientSize().GetWidth();
    EXPECT_EQ(map->GetRect(), wxRect(W - 130 - 14, 14, 130, 150));
    EXPECT_TRUE(map->IsShown());
    EXPECT_EQ(group->GetRect(), wxRect(5, 5, 50, 20));

    group->Reparent(view);
    output->force_relayout();
    EXPECT_EQ(group->GetRect(), wxRect(W - 130 - 14, 14 + 150 + 10, 130, 34));
    EXPECT_TRUE(group->IsShown());

    // Not logged in: the automap hides and the group display moves up.
    host.state = 0;
    output->force_relayout();
    EXPECT_FALSE(map->IsShown());
    EXPECT_EQ(group->GetPosition(), wxPoint(W - 130 - 14, 14));

    // Without members the group display hides.
    group->members = 0;
    output->force_relayout();
    EXPECT_FALSE(group->IsShown());

    // Without an automap the corner is a fifth of the width, 10 from the edges.
    output->set_docked_automap(nullptr);
    group->members = 2;
    group->Show();
    output->force_relayout();
    EXPECT_EQ(group->GetRect(), wxRect(W - W / 5 - 10, 10, W / 5, 34));
}
