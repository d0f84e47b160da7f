#include <wx/app.h>
#include <wx/frame.h>
#include <wx/tooltip.h>

#include <gtest/gtest.h>

#include <string>

#include "app/display_text_target.h"
#include "config/skiff_config.h"
#include "protocol/text_run_router.h"
#include "draw/button_fonts.h"
#include "draw/themes.h"
#include "tests/common/test_font.h"
#include "text/xirr_channel_button.h"
#include "text/xirr_channel_display.h"
#include "text/xirr_channel_paging_button.h"
#include "text/xirr_channel_window.h"
#include "text/xirr_text_hooks.h"

namespace {

// Everything written to a display since its last clear.
std::string display_text(xirr_ansi_display *d)
{
    d->close_pending_run();
    std::string s;
    for (const xirr_render_list *e = d->render_list(); e; e = e->next)
        s.append(e->text, e->length);
    return s;
}

std::string tip_of(wxWindow *w)
{
    wxToolTip *tip = w->GetToolTip();
    return tip ? std::string(tip->GetTip().mb_str(wxConvISO8859_1)) : std::string();
}

class channel_window_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        build_theme_tables();
        switch_button_theme(theme_value_blue);
        set_button_fonts(&font, &font);
        the_main_text_font = &font;
        frame = new wxFrame(nullptr, wxID_ANY, "channels", wxDefaultPosition, wxSize(900, 400));
        frame->Show();
        channels = new xirr_channel_window(frame);
        channels->set_rect(0, 0, 800, 200);
        pump();
    }
    void TearDown() override
    {
        delete channels;
        frame->Destroy();
        pump();
        the_main_text_font = nullptr;
        set_button_fonts(nullptr, nullptr);
    }
    void pump()
    {
        for (int i = 0; i < 5; i++)
            wxTheApp->Yield(true);
    }
    void mouse(wxWindow *w, wxEventType type)
    {
        wxMouseEvent e(type);
        e.SetEventObject(w);
        w->GetEventHandler()->ProcessEvent(e);
    }
    void divert(const char *name, const char *text)
    {
        channels->divert_to_channel(name);
        channels->display_socket_data(text, static_cast<int>(strlen(text)));
        channels->clear_divert_channel();
    }
    const xirr_channel_entry *entry(const char *name) { return channels->model().find(name); }

    test_font font;  // cells of 6 x 10: tabs are 14 high and at most 118 wide
    wxFrame *frame = nullptr;
    xirr_channel_window *channels = nullptr;
};

} // namespace

TEST_F(channel_window_test, starts_hidden_with_placeholder_and_blank_display)
{
    xirr_channel_button *placeholder = channels->get_placeholder();
    xirr_ansi_display *blank = channels->get_blank_display();
    EXPECT_FALSE(placeholder->IsShown());
    EXPECT_FALSE(blank->IsShown());
    EXPECT_FALSE(channels->get_page_button()->IsShown());

    channels->set_visible(true);
    EXPECT_TRUE(placeholder->IsShown());
    EXPECT_TRUE(blank->IsShown());
    EXPECT_TRUE(channels->get_page_button()->IsShown());
    EXPECT_FALSE(placeholder->get_page_button()->IsShown());
    EXPECT_STREQ(placeholder->get_label(), "(no channel)");
    EXPECT_EQ(placeholder->look(), tab_look_current);
    EXPECT_EQ(channels->get_page_button()->get_button_state(), tab_look_new_text);
    EXPECT_EQ(blank->GetName(), "Blank Channel Tab");
    EXPECT_EQ(display_text(blank),
              " \n(Tabbed channel window - messages from other players will appear here.)\n");
    EXPECT_EQ(tip_of(placeholder),
              "There are no channels to display yet. When there are,\n"
              "use the buttons here to switch between channels.");
    EXPECT_EQ(tip_of(blank),
              "There are no channels to display yet. When\n"
              "there are, they will be displayed here.");
    // Placed by the measurements.
    EXPECT_EQ(placeholder->GetRect(), wxRect(1, 1, 118, 14));
    EXPECT_EQ(blank->GetRect(), wxRect(0, 15, 800, 185));
    EXPECT_EQ(channels->get_page_button()->GetRect(), wxRect(787, 2, 10, 10));

    // Without a divert the text is dropped.
    channels->display_socket_data("lost\n", 5);
    channels->clear_divert_channel();
    EXPECT_TRUE(channels->model().channels().empty());
}

TEST_F(channel_window_test, first_divert_makes_all_and_the_channel_and_text_shows_in_both)
{
    channels->set_visible(true);
    divert("gossip", "Bob gossips, 'hi'\n");
    ASSERT_EQ(channels->model().channels().size(), 2u);
    const xirr_channel_entry *all = entry("(all)");
    const xirr_channel_entry *gossip = entry("gossip");
    ASSERT_TRUE(all && gossip);
    EXPECT_EQ(display_text(all->display),
              " \nTabbed display for all channels combined.\nBob gossips, 'hi'\n");
    EXPECT_EQ(display_text(gossip->display),
              " \nTabbed display for channel 'gossip'\nBob gossips, 'hi'\n");
    EXPECT_EQ(tip_of(all->tab), "Display of all channels combined.");
    EXPECT_EQ(tip_of(gossip->display), "Tabbed display for channel 'gossip'.");
    EXPECT_EQ(gossip->display->GetName(), "gossip");

    // "(all)" came first and is current and shown; gossip has unseen text.
    EXPECT_TRUE(all->display->IsShown());
    EXPECT_FALSE(gossip->display->IsShown());
    EXPECT_FALSE(channels->get_placeholder()->IsShown());
    EXPECT_FALSE(channels->get_blank_display()->IsShown());
    EXPECT_EQ(all->tab->get_button_state(), tab_look_current);
    EXPECT_EQ(gossip->tab->get_button_state(), tab_look_new_text);
    EXPECT_EQ(gossip->tab->get_page_button()->get_button_state(), tab_look_new_text);
    EXPECT_EQ(all->tab->GetRect(), wxRect(1, 1, 118, 14));
    EXPECT_EQ(gossip->tab->GetRect(), wxRect(121, 1, 118, 14));
    EXPECT_EQ(gossip->tab->get_page_button()->GetRect(), wxRect(106, 3, 11, 11));

    // A divert to "(all)" itself shows the text once.
    divert("(all)", "once\n");
    EXPECT_EQ(display_text(all->display),
              " \nTabbed display for all channels combined.\nBob gossips, 'hi'\nonce\n");
}

TEST_F(channel_window_test, clicking_a_tab_with_new_text_shows_its_display)
{
    channels->set_visible(true);
    divert("gossip", "news\n");
    const xirr_channel_entry *all = entry("(all)");
    const xirr_channel_entry *gossip = entry("gossip");
    xirr_channel_button *tab = gossip->tab;

    // Hovering and leaving leave the look alone.
    mouse(tab, wxEVT_ENTER_WINDOW);
    mouse(tab, wxEVT_LEAVE_WINDOW);
    EXPECT_EQ(tab->get_button_state(), tab_look_new_text);

    mouse(tab, wxEVT_LEFT_DOWN);
    mouse(tab, wxEVT_LEFT_UP);
    pump();
    EXPECT_TRUE(gossip->display->IsShown());
    EXPECT_FALSE(all->display->IsShown());
    EXPECT_EQ(tab->get_button_state(), tab_look_current);
    EXPECT_FALSE(tab->has_new_text());
    EXPECT_EQ(all->tab->get_button_state(), tab_look_plain);
    EXPECT_EQ(channels->model().current(), gossip);

    // A plain tab is clickable too.
    mouse(all->tab, wxEVT_LEFT_DOWN);
    EXPECT_TRUE(all->display->IsShown());
    EXPECT_EQ(tab->get_button_state(), tab_look_plain);

    // The shown display answers the scroll-lock operations.
    EXPECT_EQ(channels->is_current_following(), 1);
    channels->lock_current();
    EXPECT_EQ(all->display->is_following(), 0);
    channels->unlock_current();
    EXPECT_EQ(all->display->is_following(), 1);
}

TEST_F(channel_window_test, cclear_removes_every_tab_and_the_next_divert_starts_with_all)
{
    channels->set_visible(true);
    divert("gossip", "a\n");
    divert("ooc", "b\n");
    channels->clear_channels();
    EXPECT_TRUE(channels->model().channels().empty());
    EXPECT_TRUE(channels->get_placeholder()->IsShown());
    EXPECT_TRUE(channels->get_blank_display()->IsShown());
    EXPECT_EQ(channels->is_current_following(), 1);  // the blank display's
    channels->display_socket_data("lost\n", 5);       // the divert ended too

    divert("Zed", "c\n");
    ASSERT_EQ(channels->model().channels().size(), 2u);
    EXPECT_STREQ(channels->model().channels()[0]->name, "(all)");
    EXPECT_EQ(channels->model().current(), entry("(all)"));
}

TEST_F(channel_window_test, twenty_channels_shrink_the_tabs_and_a_square_moves_one_away)
{
    channels->set_visible(true);
    char name[8];
    for (int i = 0; i < 19; i++) {
        snprintf(name, sizeof name, "ch%02d", i);
        divert(name, "x\n");
    }
    ASSERT_EQ(channels->model().channels().size(), 20u);
    // Room left of the page button: 800 - 10 - 5 = 785.
    const xirr_channel_entry *last = channels->model().channels().back().get();
    EXPECT_EQ(last->tab->GetSize().GetWidth(), 785 / 20 - 2);
    EXPECT_LE(last->tab->GetRect().GetRight(), channels->get_page_button()->GetPosition().x);

    const xirr_channel_entry *moved = entry("ch05");
    mouse(moved->tab->get_page_button(), wxEVT_LEFT_DOWN);
    EXPECT_EQ(moved->page, 1);
    EXPECT_FALSE(moved->tab->IsShown());
    EXPECT_EQ(last->tab->GetSize().GetWidth(), 785 / 19 - 2);

    // The window's own page button shows page 1 with the moved channel.
    mouse(channels->get_page_button(), wxEVT_LEFT_DOWN);
    EXPECT_EQ(channels->model().page(), 1);
    EXPECT_EQ(channels->get_page_button()->get_button_state(), tab_look_new_text);
    EXPECT_TRUE(moved->tab->IsShown());
    EXPECT_TRUE(moved->display->IsShown());
    EXPECT_EQ(moved->tab->GetSize().GetWidth(), 118);
    EXPECT_FALSE(last->tab->IsShown());
    mouse(channels->get_page_button(), wxEVT_LEFT_DOWN);
    EXPECT_EQ(channels->model().page(), 0);
    EXPECT_EQ(channels->get_page_button()->get_button_state(), tab_look_current);
    EXPECT_EQ(channels->model().current(), entry("(all)"));
}

TEST_F(channel_window_test, display_frame_opens_under_its_tab_and_tabs_show_their_looks)
{
    channels->set_visible(true);
    divert("gossip", "x\n");
    pump();
    const xirr_channel_entry *gossip = entry("gossip");
    xirr_channel_display *d = gossip->display;
    d->repaint_internal(d->backing_surface);
    const xirr_bitmap &s = d->backing_surface;
    // gossip's tab spans x 121 to 238 over the display at x 0: the inner
    // line stops at 122 and goes on at 238, the outer at 123 and 237.
    EXPECT_EQ(s.GetPixel(50, 0), color_white);
    EXPECT_EQ(s.GetPixel(50, 1), color_grey128);
    EXPECT_EQ(s.GetPixel(123, 0), color_white);
    EXPECT_EQ(s.GetPixel(124, 0), color_black);
    EXPECT_EQ(s.GetPixel(122, 1), color_grey128);
    EXPECT_EQ(s.GetPixel(123, 1), color_black);
    EXPECT_EQ(s.GetPixel(237, 1), color_black);
    EXPECT_EQ(s.GetPixel(238, 1), color_grey128);
    EXPECT_EQ(s.GetPixel(236, 0), color_black);
    EXPECT_EQ(s.GetPixel(237, 0), color_white);
    EXPECT_EQ(s.GetPixel(300, 0), color_white);

    // The tab's images follow its look: white edges while current, grey
    // with a red label while it has new text.
    xirr_channel_button *tab = gossip->tab;
    tab->repaint_internal(tab->backing_surface);
    EXPECT_EQ(tab->backing_surface.GetPixel(0, 5), color_grey128);
    mouse(tab, wxEVT_LEFT_DOWN);
    tab->repaint_internal(tab->backing_surface);
    EXPECT_EQ(tab->backing_surface.GetPixel(0, 5), color_white);
    EXPECT_EQ(tab->backing_surface.GetPixel(50, 13), active_button_theme->colors[theme_lit_face]);
}

// The router sends diverted text to the channel window and, unless the
// window is on without duplication, to the main output as well.
TEST_F(channel_window_test, diverted_text_reaches_the_main_output_by_the_options)
{
    SkiffConfig &c = SkiffConfig::instance();
    if (!c.current_char_cfg)
        c.setup_default_config(nullptr);
    c.reset_char_config();
    xirr_ansi_display main_output(frame, wxID_ANY);
    main_output.clear_display();
    display_text_target main_target(&main_output);
    text_run_router router(&c, &main_target, channels);
    struct row {
        int enable, dupe;
        bool in_main;
    } rows[] = {{1, 1, true}, {0, 0, true}, {1, 0, false}};
    for (const row &r : rows) {
        c.set_channel_window_enable(r.enable);
        c.set_channel_window_dupe(r.dupe);
        main_output.clear_display();
        channels->divert_to_channel("gossip");
        router.channel_divert = true;
        router.begin_chunk();
        router.route("chat\n", 5);
        router.end_chunk();
        channels->clear_divert_channel();
        router.channel_divert = false;
        EXPECT_EQ(display_text(&main_output).find("chat") != std::string::npos, r.in_main)
            << r.enable << r.dupe;
    }
    EXPECT_NE(display_text(entry("gossip")->display).find("chat\nchat\nchat\n"), std::string::npos);
}
