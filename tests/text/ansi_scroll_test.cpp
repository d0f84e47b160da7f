// Scrolling and the scroll lock of a text display over a 10-row view.
#include <gtest/gtest.h>

#include "config/skiff_config.h"
#include "tests/text/text_fixture.h"

namespace {

// Records what the display pushes into its scrollbar.
class scrollbar_display : public xirr_ansi_display_core {
public:
    using xirr_ansi_display_core::xirr_ansi_display_core;
    int position = -100, thumb = 0, range = 0;

protected:
    void set_scrollbar(int p, int t, int r, int page) override
    {
        xirr_ansi_display_core::set_scrollbar(p, t, r, page);
        position = p;
        thumb = t;
        range = r;
    }
};

void write_lines(xirr_ansi_display_core &display, int n)
{
    for (int i = 0; i < n; i++)
        display.write_ansi_data("a line\n", 7);
}

TEST(AnsiScroll, WheelLocksNewTextKeepsTheViewAndReachingTheEndUnlocks)
{
    text_view_fixture f(600, 100);
    scrollbar_display display(&f.view);
    write_lines(display, 50);
    ASSERT_EQ(f.view.get_scroll_line(), 50);

    display.handle_panel_wheel(120, 120);  // a notch up
    EXPECT_FALSE(display.is_following());
    EXPECT_EQ(f.view.get_scroll_line(), 47);

    write_lines(display, 5);
    EXPECT_EQ(f.view.get_scroll_line(), 47);

    display.scroll_down(3);
    display.scroll_down(3);
    EXPECT_FALSE(display.is_following());
    display.scroll_down(3);  // reaches the last row, 55
    EXPECT_TRUE(display.is_following());
    EXPECT_EQ(f.view.get_scroll_line(), 55);
    EXPECT_EQ(display.position, 45);
    EXPECT_EQ(display.thumb, 10);
    EXPECT_EQ(display.range, 55);
}

TEST(AnsiScroll, PagingMovesHalfAPageAndScrollUpIsLimitedToIt)
{
    text_view_fixture f(600, 100);
    xirr_ansi_display_core display(&f.view);
    write_lines(display, 50);
    display.lock_scrollback();
    display.page_up();
    EXPECT_EQ(f.view.get_scroll_line(), 45);
    display.scroll_up(100);  // at most half a page
    EXPECT_EQ(f.view.get_scroll_line(), 40);
    for (int i = 0; i < 20; i++)
        display.page_up();
    EXPECT_EQ(f.view.get_scroll_line(), 9);  // the top row stays in view
    display.scroll_display_to_line(20);
    EXPECT_EQ(f.view.get_scroll_line(), 30);
}

TEST(AnsiScroll, ScrollbarAwayFromTheEndLocksWithoutMovingAndAtTheEndUnlocks)
{
    text_view_fixture f(600, 100);
    scrollbar_display display(&f.view);
    write_lines(display, 55);
    display.on_scrollbar(20);
    EXPECT_FALSE(display.is_following());
    EXPECT_EQ(f.view.get_scroll_line(), 30);
    display.on_scrollbar(45);
    EXPECT_TRUE(display.is_following());
    EXPECT_EQ(f.view.get_scroll_line(), 55);
}

TEST(AnsiScroll, DisabledLockNeverLocksAndTopAnchoredEndsShowTheLastPage)
{
    text_view_fixture f(600, 100);
    xirr_ansi_display_core display(&f.view);
    display.disable_scroll_lock(1);
    write_lines(display, 50);
    display.lock_scrollback();
    EXPECT_TRUE(display.is_following());

    text_view_fixture top(600, 100);
    top.view.set_top_anchored(1);
    xirr_ansi_display_core popup(&top.view);
    write_lines(popup, 30);
    popup.scroll_to_end();
    EXPECT_EQ(top.view.get_scroll_line(), 21);
}

// A new font lays every row out again; a locked display keeps its lock and
// shows the end instead of its first row alone at the bottom edge.
TEST(AnsiScroll, FontChangeWhileLockedShowsTheEndAndStaysLocked)
{
    text_view_fixture f(600, 100);
    scrollbar_display display(&f.view);
    write_lines(display, 50);
    display.lock_scrollback();
    display.page_up();
    ASSERT_EQ(f.view.get_scroll_line(), 45);
    test_font bigger(6, 20);
    display.set_display_font(&bigger);
    EXPECT_FALSE(display.is_following());
    EXPECT_EQ(f.view.get_scroll_line(), 50);
    EXPECT_EQ(display.position, 50 - 5);
    display.scroll_up(2);  // later scrolling starts from what is shown
    EXPECT_EQ(f.view.get_scroll_line(), 48);
}

TEST(UrlClick, NothingOpensWhenTheCharacterTurnedLinksOff)
{
    recording_frame_services services;
    SkiffConfig &config = SkiffConfig::instance();
    char_config *record = config.add(config.make_default_record());
    config.current_char_cfg = record;
    config.set_url_hotlinking(0);
    text_view_fixture f;
    f.view.add_text("www.veymoor.com");
    EXPECT_EQ(f.view.url_clicked_on(0, 3), 0);
    config.set_url_hotlinking(1);
    EXPECT_EQ(f.view.url_clicked_on(0, 3), 1);
    config.current_char_cfg = nullptr;
}

} // namespace
