// Layout of the scrollback view with the fixed 6 x 10 test font: stored
// text, tab stops, word wrap, scrolling in both anchor modes, hit tests,
// copying and the colour flash.
#include <gtest/gtest.h>

#include "tests/text/text_fixture.h"
#include "text/xirr_color_flash.h"

namespace {

using rows_t = std::vector<std::string>;

TEST(TextctrlLayout, LeadingNewlinesAreSkippedOnlyAtTheStart)
{
    text_view_fixture f;
    f.view.add_text("\n\nfirst\n");
    f.view.add_text("\n\nsecond");
    EXPECT_EQ(f.rows(), (rows_t{"first", "", "", "second"}));
    // Blank lines that arrive one call at a time (as the parser sends them)
    // are skipped too.
    f.view.clear_text();
    f.view.add_text("\n");
    f.view.add_text("\n");
    f.view.add_text("again\n");
    f.view.add_text("\n");
    EXPECT_EQ(f.rows(), (rows_t{"again", "", ""}));
}

TEST(TextctrlLayout, TabsStopEveryEightColumnsAndNewlinesRestartTheColumn)
{
    text_view_fixture f;
    f.view.add_text("abcde\tX\n");
    f.view.add_text("abcdefgh\tY\n");
    f.view.add_text("ab\rc\tZ\n");
    f.view.add_text("a");
    f.view.add_text("b\tW");  // the column carries over between calls
    EXPECT_EQ(f.rows(), (rows_t{"abcde   X", "abcdefgh        Y", "ab\rc       Z", "ab      W"}));
}

TEST(TextctrlLayout, HighBytesAreTransliterated)
{
    text_view_fixture f;
    f.view.add_text("caf\xe9 \x93quoted\x94 \x80 \xff\xa0.");
    EXPECT_EQ(f.row(0), "cafe \"quoted\" E y .");
}

struct wrap_case {
    const char *name;
    int width;
    const char *text;
    rows_t rows;
};

void PrintTo(const wrap_case &c, std::ostream *os)
{
    *os << c.name;
}

class TextctrlWrap : public testing::TestWithParam<wrap_case> {};

TEST_P(TextctrlWrap, BreaksRowsAtTheViewWidth)
{
    const wrap_case &c = GetParam();
    text_view_fixture f(c.width, 100);
    f.view.add_text(c.text);
    EXPECT_EQ(f.rows(), c.rows);
}

// Glyphs are 6 pixels wide; a row is broken once its width reaches the
// view width.
INSTANTIATE_TEST_SUITE_P(
    Cases, TextctrlWrap,
    testing::Values(
        wrap_case{"LongWordBreaksAfterTheLastByteThatFits", 62, "abcdefghijklmnopqrstuvwxyz",
                  {"abcdefghij", "klmnopqrst", "uvwxyz"}},
        wrap_case{"RowExactlyAsWideAsTheViewIsBroken", 60, "abcdefghij", {"abcdefghi", "j"}},
        wrap_case{"ViewNarrowerThanOneGlyphDoesNotWrap", 5, "abc def", {"abc def"}},
        wrap_case{"BreaksAfterTheLastSpaceThatFits", 62, "one two three four",
                  {"one two ", "three four"}},
        wrap_case{"SpaceThatOverflowsStaysOnTheUpperRow", 60, "abcdefghi jkl", {"abcdefghi ", "jkl"}},
        wrap_case{"HardBreaksStartNewRows", 62, "ab\ncd\n\nef", {"ab", "cd", "", "ef"}},
        wrap_case{"WrapsRepeatedly", 32, "aaaaaaaaaaaaaaaa", {"aaaaa", "aaaaa", "aaaaa", "a"}}),
    [](const testing::TestParamInfo<wrap_case> &info) { return std::string(info.param.name); });

TEST(TextctrlLayout, WrapSpansChunksOfDifferentColours)
{
    text_view_fixture f(62, 100);
    f.view.set_colors(rgb_color(255, 0, 0), rgb_color(0, 0, 0));
    f.view.add_text("red ");
    f.view.set_colors(rgb_color(0, 255, 0), rgb_color(0, 0, 0));
    f.view.add_text("greengreen");
    std::vector<std::pair<uint32_t, std::string>> runs;
    ASSERT_TRUE(f.view.row_runs(1, &runs));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].first, 0x00FF00u);
    EXPECT_EQ(runs[0].second, "greengreen");
    EXPECT_EQ(f.row(0), "red ");
}

TEST(TextctrlLayout, ResizeLaysAllTextOutAgainAndForgetsOldHardBreaks)
{
    text_view_fixture f(600, 100);
    f.view.add_text("aaaa\nbbbbbbbbbb\ncc");
    EXPECT_EQ(f.rows(), (rows_t{"aaaa", "bbbbbbbbbb", "cc"}));
    f.view.set_view_size(32, 100);
    EXPECT_EQ(f.rows(), (rows_t{"aaaa", "bbbbb", "bbbbb", "cc"}));
    EXPECT_TRUE(f.view.row_hard_break(0));
    EXPECT_FALSE(f.view.row_hard_break(1));  // was a hard break at width 600
    EXPECT_TRUE(f.view.row_hard_break(2));
}

TEST(TextctrlLayout, TheRowTableGrowsPastItsFirstStep)
{
    text_view_fixture f;
    std::string text;
    for (int i = 0; i < 70000; i++)
        text += "r\n";
    f.view.add_text(text.c_str());
    EXPECT_EQ(f.view.get_last_line(), 70000);
    EXPECT_EQ(f.row(69999), "r");
}

TEST(TextctrlScroll, UnlockedBottomAnchoredViewFollowsTheRowBeingFilled)
{
    text_view_fixture f(600, 100);
    for (int i = 0; i < 30; i++)
        f.view.add_text("line\n");
    EXPECT_EQ(f.view.get_scroll_line(), 30);
    int position, range, thumb;
    f.view.get_scroll_info(&position, &range, &thumb);
    EXPECT_EQ(thumb, 10);
    EXPECT_EQ(position, 20);
    EXPECT_EQ(range, 30);
}

TEST(TextctrlScroll, LockedOrTopAnchoredViewKeepsItsPlace)
{
    text_view_fixture f(600, 100);
    for (int i = 0; i < 30; i++)
        f.view.add_text("line\n");
    f.view.set_scroll_locked(1);
    f.view.set_scroll_line(12);
    f.view.add_text("more\nand more\n");
    EXPECT_EQ(f.view.get_scroll_line(), 12);

    text_view_fixture top(600, 100);
    top.view.set_top_anchored(1);
    for (int i = 0; i < 30; i++)
        top.view.add_text("line\n");
    EXPECT_EQ(top.view.get_scroll_line(), 0);
    int position, range, thumb;
    top.view.get_scroll_info(&position, &range, &thumb);
    EXPECT_EQ(range, 30 + 1 + 10);
}

TEST(TextctrlScroll, ScrollLineIsClampedPerAnchorMode)
{
    text_view_fixture f(600, 100);
    for (int i = 0; i < 30; i++)
        f.view.add_text("line\n");
    f.view.set_scroll_line(-5);
    EXPECT_EQ(f.view.get_scroll_line(), 0);
    f.view.set_scroll_line(1000);
    EXPECT_EQ(f.view.get_scroll_line(), 40);
    EXPECT_EQ(f.view.scroll_to_top_line(3), 13);
    f.view.set_top_anchored(1);
    f.view.set_scroll_line(1000);
    EXPECT_EQ(f.view.get_scroll_line(), 30);
}

TEST(TextctrlHitTest, MapsPixelsToRowsAndBytes)
{
    text_view_fixture f(600, 100);
    f.view.add_text("row0\nrow1 text\nrow2");
    // Bottom-anchored: the scroll row (2) is the bottom row, at y 90..99.
    int row, offset;
    f.view.translate_xy_to_line_and_offset(0, 95, &row, &offset);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(offset, 0);
    f.view.translate_xy_to_line_and_offset(13, 85, &row, &offset);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(offset, 2);  // running sums 6, 12, 18: the third byte reaches 13
    f.view.translate_xy_to_line_and_offset(500, 85, &row, &offset);
    EXPECT_EQ(offset, 9);  // past the end: the row's length
    f.view.translate_xy_to_line_and_offset(5, -500, &row, &offset);
    EXPECT_EQ(row, 0);
    f.view.translate_xy_to_line_and_offset(5, 5000, &row, &offset);
    EXPECT_EQ(row, 2);
}

TEST(TextctrlCopy, WrappedRowsJoinAndHardBreaksBecomeNewlines)
{
    recording_frame_services services;
    text_view_fixture f(62, 100);
    f.view.add_text("one two three four\nnext line");
    ASSERT_EQ(f.rows(), (rows_t{"one two ", "three four", "next line"}));
    // Drag from "two" on row 0 to "next" on row 2.
    // Byte 4 ("t"); bottom-anchored rows at y 70, 80, 90.
    xirr_mouse_event e = press_left(f.view, 25, 75);
    e.kind = xirr_mouse_event::motion;
    e.x = 24;  // byte 3 of row 2
    e.y = 95;
    f.view.handle_mouse(e);
    e.kind = xirr_mouse_event::left_up;
    e.left_held = false;
    f.view.handle_mouse(e);
    EXPECT_EQ(services.clipboard, "two three four\nnext");
    EXPECT_TRUE(f.view.has_selection());
    EXPECT_FALSE(f.view.is_selecting());
}

TEST(TextctrlCopy, ABackwardDragSelectsTheSameTextAndAClickHidesIt)
{
    recording_frame_services services;
    text_view_fixture f(600, 100);
    f.view.add_text("hello world");
    xirr_mouse_event e = press_left(f.view, 62, 95);  // byte 10 ("d")
    e.kind = xirr_mouse_event::motion;
    e.x = 36;  // byte 5 (" ")
    f.view.handle_mouse(e);
    EXPECT_EQ(services.clipboard, " world");
    e.kind = xirr_mouse_event::left_up;
    e.left_held = false;
    f.view.handle_mouse(e);
    e.kind = xirr_mouse_event::left_down;
    e.left_held = true;
    f.view.handle_mouse(e);
    EXPECT_FALSE(f.view.has_selection());
}

struct url_case {
    const char *text;
    int offset;
    const char *url;  // null: no link there
};

void PrintTo(const url_case &c, std::ostream *os)
{
    *os << c.text << " @" << c.offset;
}

class UrlSpan : public testing::TestWithParam<url_case> {};

TEST_P(UrlSpan, FindsTheLinkAroundTheOffset)
{
    const url_case &c = GetParam();
    recording_frame_services services;
    text_view_fixture f(6000, 100);
    f.view.add_text(c.text);
    int opened = f.view.url_clicked_on(0, c.offset);
    if (!c.url) {
        EXPECT_EQ(opened, 0);
        EXPECT_TRUE(services.urls.empty());
        return;
    }
    ASSERT_EQ(opened, 1);
    ASSERT_EQ(services.urls.size(), 1u);
    EXPECT_EQ(services.urls[0], c.url);
    EXPECT_EQ(services.clipboard, c.url);  // the link is selected and copied
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlSpan,
    testing::Values(
        url_case{"See http://veymoor.example/help. Next", 8, "http://veymoor.example/help"},
        url_case{"See http://veymoor.example/help. Next", 31, nullptr},  // the full stop
        url_case{"see (www.veymoor.com) ok", 8, "www.veymoor.com"},
        url_case{"see (www.veymoor.com) ok", 20, nullptr},  // the closing bracket
        // A bracket whose partner is not part of the word stays.
        url_case{"(see www.veymoor.com) ok", 8, "www.veymoor.com)"},
        url_case{"(www.veymoor.com/a_(b))", 3, "www.veymoor.com/a_(b)"},
        url_case{"mail bob@veymoor.com now", 7, nullptr},
        url_case{"go to veymoor.com:8080/x today", 8, "veymoor.com:8080/x"},
        url_case{"plain words here", 3, nullptr},
        url_case{"version 1.2.3 out", 9, nullptr},
        url_case{"a..b.com", 2, nullptr},
        url_case{"https://x.y/z?q=1,", 4, "https://x.y/z?q=1"},
        url_case{"x", 5, nullptr}));

TEST(UrlClick, NeedsUrlLinkingAndLatchesUntilTheRelease)
{
    recording_frame_services services;
    text_view_fixture f(600, 100);
    f.view.add_text("visit www.veymoor.com now");
    xirr_mouse_event e = press_left(f.view, 50, 95);
    ASSERT_EQ(services.urls.size(), 1u);
    EXPECT_EQ(services.urls[0], "www.veymoor.com");
    // Motion while the latch is set is ignored; the release clears it.
    e.kind = xirr_mouse_event::motion;
    e.x = 5;
    f.view.handle_mouse(e);
    EXPECT_EQ(f.view.selection_start().offset, 6);
    e.kind = xirr_mouse_event::left_up;
    e.left_held = false;
    f.view.handle_mouse(e);
    e.kind = xirr_mouse_event::left_down;
    e.left_held = true;
    e.x = 5;
    f.view.handle_mouse(e);
    EXPECT_TRUE(f.view.is_selecting());
}

// Counts the owner's scroll requests.
struct counting_owner : xirr_textctrl_owner {
    void lock_scrollback() override { locks++; }
    void unlock_scrollback() override { unlocks++; }
    void scroll_up(int n) override { up += n; }
    void scroll_down(int n) override { down += n; }
    int locks = 0, unlocks = 0, up = 0, down = 0;
};

TEST(TextctrlMouse, WheelNotchesScrollAndOtherButtonsUnlock)
{
    text_view_fixture f;
    counting_owner owner;
    f.view.set_owner_display(&owner);
    xirr_mouse_event e;
    e.kind = xirr_mouse_event::wheel;
    e.wheel_rotation = 120;
    f.view.handle_mouse(e);
    EXPECT_EQ(owner.up, 3);
    e.wheel_rotation = 60;  // half a notch more completes none
    f.view.handle_mouse(e);
    EXPECT_EQ(owner.up, 3);
    EXPECT_EQ(owner.down, 0);
    e.wheel_rotation = -180;
    f.view.handle_mouse(e);
    EXPECT_EQ(owner.down, 3);
    EXPECT_EQ(owner.locks, 2);
    xirr_mouse_event right;
    right.kind = xirr_mouse_event::other;
    right.right_held = true;
    f.view.handle_mouse(right);
    EXPECT_EQ(owner.unlocks, 1);
}

TEST(TextctrlMouse, DraggingAboveTheViewScrollsUpWhileHeldStill)
{
    recording_frame_services services;
    text_view_fixture f(600, 100);
    counting_owner owner;
    f.view.set_owner_display(&owner);
    for (int i = 0; i < 50; i++)
        f.view.add_text("line\n");
    xirr_mouse_event e = press_left(f.view, 10, 50);
    e.kind = xirr_mouse_event::motion;
    e.y = -20;  // rate (-20 * 2 * 10) / 100 = -4
    f.view.handle_mouse(e);
    EXPECT_EQ(f.view.drag_scroll_rate(), -4);
    EXPECT_TRUE(f.view.has_selection());
    int steps = 0;
    for (int tick = 0; tick < 40; tick++)
        if (f.view.animate(20))
            steps++;
    EXPECT_EQ(steps, 40);  // the ticker is kept running while the drag holds
    EXPECT_GE(owner.up, 4 * 9);
    // Releasing stops it.
    e.kind = xirr_mouse_event::left_up;
    e.left_held = false;
    f.view.handle_mouse(e);
    EXPECT_EQ(f.view.drag_scroll_rate(), 0);
}

// A view that reports what it does with the mouse capture.
struct capturing_view : xirr_textctrl_core {
    void want_mouse_capture(bool capture) override { captured = capture; }
    bool captured = false;
};

// The selection is cleared while the button is still held (Escape, a clear
// or a new layout): dragging on selects nothing, and the release still gives
// the mouse back.
TEST(TextctrlMouse, SelectionClearedUnderAHeldButtonStaysClearedAndTheReleaseUncaptures)
{
    recording_frame_services services;
    test_font font;
    capturing_view view;
    view.set_font(&font);
    view.set_view_size(600, 100);
    for (int i = 0; i < 20; i++)
        view.add_text("some words on a line\n");
    xirr_mouse_event e = press_left(view, 10, 55);
    EXPECT_TRUE(view.captured);
    e.kind = xirr_mouse_event::motion;
    e.x = 40;
    view.handle_mouse(e);
    ASSERT_TRUE(view.has_selection());
    const int writes = services.clipboard_writes;

    view.clear_selection();
    e.x = 70;
    e.y = 75;
    view.handle_mouse(e);
    EXPECT_FALSE(view.has_selection());
    EXPECT_EQ(services.clipboard_writes, writes);
    e.kind = xirr_mouse_event::left_up;
    e.left_held = false;
    view.handle_mouse(e);
    EXPECT_FALSE(view.captured);
    EXPECT_FALSE(view.has_selection());
    EXPECT_EQ(services.clipboard_writes, writes);
}

TEST(ColorFlash, DurationTenTakesElevenTicksThenTheBaseBackground)
{
    text_view_fixture f;
    f.view.set_colors(rgb_color(255, 255, 255), rgb_color(0, 0, 16));
    f.view.parse_colorflash("000000 ff8000 10");
    EXPECT_EQ(f.view.current_background(), rgb_color(0, 0, 0));
    for (int tick = 1; tick <= 10; tick++) {
        EXPECT_TRUE(f.view.animate(20)) << tick;
        if (tick == 5) {
            EXPECT_EQ(f.view.current_background(), rgb_color(127, 64, 0));
        }
    }
    EXPECT_EQ(f.view.current_background(), rgb_color(255, 128, 0));
    EXPECT_FALSE(f.view.animate(20));
    EXPECT_EQ(f.view.current_background(), rgb_color(0, 0, 16));
}

TEST(ColorFlash, BadWordsDegradeAsDocumented)
{
    text_view_fixture f;
    f.view.parse_colorflash("ffffff 000000 nope");  // bad first duration: nothing
    EXPECT_EQ(f.view.ticker().steps_left(), 0);
    f.view.parse_colorflash("ffffff 000000 2 ff0000 x");  // second duration bad
    EXPECT_EQ(f.view.ticker().steps_left(), 3);
    EXPECT_EQ(xirr_textctrl_core::GetColorFromHexString("12"), rgb_color(0, 0, 0));
    EXPECT_EQ(xirr_textctrl_core::GetColorFromHexString("A0b0C0"), rgb_color(160, 176, 192));

    // A bad colour word is black; a zero duration shows the start colour
    // for one tick.
    text_view_fixture zero;
    zero.view.set_colors(rgb_color(255, 255, 255), rgb_color(9, 9, 9));
    zero.view.parse_colorflash("zzzzzz 00ff00 0");
    EXPECT_EQ(zero.view.current_background(), rgb_color(0, 0, 0));
    EXPECT_FALSE(zero.view.animate(20));
    EXPECT_EQ(zero.view.current_background(), rgb_color(9, 9, 9));

    text_view_fixture huge;
    huge.view.parse_colorflash("ffffff 000000 2147483647 ffffff 2147483647");
    EXPECT_TRUE(huge.view.animate(20));
    EXPECT_EQ(huge.view.current_background(), rgb_color(254, 254, 254));
}

TEST(ColorFlash, ABurstOfLongFlashesKeepsOnlyTheNewest)
{
    // A server sending flash after flash of a million ticks each must not
    // grow memory and per-tick work without end: the oldest give way.
    xirr_color_flash flashes;
    for (int i = 0; i < 1000; i++)
        ASSERT_GT(flashes.parse("000000 101010 1000000"), 0);
    EXPECT_EQ(flashes.count(), xirr_color_flash::max_flashes);
    flashes.parse("ffffff ffffff 5");
    EXPECT_EQ(flashes.count(), xirr_color_flash::max_flashes);
    EXPECT_EQ(flashes.blend(rgb_color(0, 0, 0)), rgb_color(255, 255, 255));
}

} // namespace

namespace {

// Random words, spaces, newlines and colour changes, written in random
// pieces into displays of random widths: the rows together hold every byte
// of the text (newlines where rows end at one), and every row fits the view
// but for one space the wrap left at its end.
TEST(TextctrlLayout, RandomTextKeepsEveryByteAndEveryRowFits)
{
    unsigned seed = 2024;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    static const char *pieces[] = {"word", " ", "  ", "\n", "\x1b[31m", "\x1b[1m", "\x1b[0m",
                                   "averyveryverylongwordwithoutspaces", "x", "\n\n", "\t"};
    for (int round = 0; round < 40; round++) {
        int width = 7 + static_cast<int>(next(200));
        text_view_fixture f(width, 100);
        xirr_ansi_display_core display(&f.view);
        std::string script, expected;
        for (int i = 0; i < 300; i++)
            script += pieces[next(11)];
        for (size_t at = 0; at < script.size();) {
            size_t n = 1 + next(40);
            n = std::min(n, script.size() - at);
            display.write_ansi_data(script.data() + at, static_cast<int>(n));
            at += n;
        }
        // What the view should hold: the text without escapes, tabs
        // expanded, leading newlines skipped.
        int column = 0;
        for (size_t i = 0; i < script.size(); i++) {
            if (script[i] == 0x1b) {
                i = script.find('m', i);
                continue;
            }
            if (script[i] == '\n' && expected.empty())
                continue;
            if (script[i] == '\t') {
                int stop = (column / 8 + 1) * 8;
                expected.append(stop - column, ' ');
                column = stop;
                continue;
            }
            expected += script[i];
            column = script[i] == '\n' ? 0 : column + 1;
        }
        std::string joined;
        for (int r = 0; r <= f.view.get_last_line(); r++) {
            std::string row = f.row(r);
            size_t visible = row.size();
            if (visible > 0 && row[visible - 1] == ' ' && !f.view.row_hard_break(r))
                visible--;
            ASSERT_LT(static_cast<int>(visible) * 6, width) << "row " << r << " '" << row << "'";
            joined += row;
            if (f.view.row_hard_break(r))
                joined += '\n';
        }
        ASSERT_EQ(joined, expected) << "width " << width;
    }
}

} // namespace
