// The escape parser fed byte scripts, whole and split at every byte
// boundary: what the view shows, in which colours, and what the render list
// and the line hook receive must not depend on how the bytes arrive.
#include <gtest/gtest.h>

#include "tests/text/text_fixture.h"
#include "draw/xirr_bitmap.h"
#include "text/xirr_ansi_palette.h"

namespace {

struct outcome {
    std::string shown;        // rows as {RRGGBB}text, joined by "|"
    std::string render_list;  // entries as {RRGGBB/flags}text
    std::string lines;        // on_line calls joined by "|"
    std::string background;   // the view's current background
    int last_row = 0;

    bool operator==(const outcome &o) const
    {
        return shown == o.shown && render_list == o.render_list && lines == o.lines &&
               background == o.background && last_row == o.last_row;
    }
};

std::ostream &operator<<(std::ostream &os, const outcome &o)
{
    return os << "shown [" << o.shown << "] render [" << o.render_list << "] lines [" << o.lines
              << "] background " << o.background << " last row " << o.last_row;
}

std::string describe_rows(const xirr_textctrl_core &view)
{
    std::string s;
    for (int r = 0; r <= view.get_last_line(); r++) {
        std::vector<std::pair<uint32_t, std::string>> runs;
        view.row_runs(r, &runs);
        uint32_t last = 0xFFFFFFFF;
        if (r)
            s += "|";
        for (auto &run : runs) {
            if (run.second.empty())
                continue;
            if (run.first != last)
                s += "{" + hex_color(run.first) + "}";
            last = run.first;
            s += run.second;
        }
    }
    return s;
}

// Runs the script through a fresh display, cut into the given pieces.
outcome run_script(const std::string &script, const std::vector<size_t> &cuts)
{
    text_view_fixture f(600, 100);
    line_collecting_display display(&f.view);
    size_t from = 0;
    for (size_t cut : cuts) {
        display.write_ansi_data(script.data() + from, static_cast<int>(cut - from));
        from = cut;
    }
    display.write_ansi_data(script.data() + from, static_cast<int>(script.size() - from));
    display.close_pending_run();
    outcome o;
    o.shown = describe_rows(f.view);
    for (const xirr_render_list *e = display.render_list(); e; e = e->next)
        o.render_list += "{" + hex_color(e->color_rgb) + "/" + std::to_string(e->flags) + "}" + e->text;
    for (auto &l : display.lines)
        o.lines += l + "|";
    rgb_color bg = f.view.current_background();
    o.background = hex_color((bg.red << 16) | (bg.green << 8) | bg.blue);
    o.last_row = f.view.get_last_line();
    return o;
}

// The script's outcome, checked to be the same for every split into two
// pieces and for byte-by-byte delivery.
outcome run_split_everywhere(const std::string &script)
{
    outcome whole = run_script(script, {});
    for (size_t k = 1; k < script.size(); k++)
        EXPECT_EQ(run_script(script, {k}), whole) << "split at " << k;
    std::vector<size_t> every;
    for (size_t k = 1; k < script.size(); k++)
        every.push_back(k);
    EXPECT_EQ(run_script(script, every), whole) << "byte by byte";
    return whole;
}

struct script_case {
    const char *name;
    std::string script;
    std::string shown;
    std::string background;
};

void PrintTo(const script_case &c, std::ostream *os)
{
    *os << c.name;
}

class AnsiParserScripts : public testing::TestWithParam<script_case> {};

TEST_P(AnsiParserScripts, ShowsTheSameWhateverTheSplit)
{
    const script_case &c = GetParam();
    outcome o = run_split_everywhere(c.script);
    EXPECT_EQ(o.shown, c.shown);
    EXPECT_EQ(o.background, c.background);
}

// Plain text after the reset is normal white, A0A0A0 in "default".
INSTANTIATE_TEST_SUITE_P(
    Default, AnsiParserScripts,
    testing::Values(
        script_case{"BoldThenRedIsBrightRed", "\x1b[1m\x1b[31mX", "{FF5555}X", "000000"},
        script_case{"SemicolonEndsTheSequence", "\x1b[1;31mX", "{A0A0A0}31mX", "000000"},
        script_case{"DigitsAreReadInBase16", "\x1b[001mX", "{FFFFFF}X", "000000"},
        script_case{"BlackBackgroundUnderlineChangeNothing", "\x1b[30mA\x1b[44mB\x1b[4mC",
                    "{A0A0A0}ABC", "000000"},
        script_case{"CarriageReturnAndBellVanish", "a\rb\x07" "c", "{A0A0A0}abc", "000000"},
        script_case{"HighBytesShowAsFullStop", "x\xe9y", "{A0A0A0}x.y", "000000"},
        script_case{"ReverseReplacesBoldAndGreysTheView", "\x1b[1m\x1b[7m\x1b[31mX",
                    "{AA0000}X", "404040"},
        script_case{"DimGreenAndReset", "\x1b[2m\x1b[32mg\x1b[0mw", "{005500}g{A0A0A0}w", "000000"},
        script_case{"NormalIntensityKeepsTheColour", "\x1b[1m\x1b[34mb\x1b[22mn",
                    "{5050FF}b{0000CC}n", "000000"},
        script_case{"NonMFinalByteIsIgnored", "\x1b[31Hz", "{A0A0A0}z", "000000"},
        script_case{"UnknownSingleByteEscapeIsConsumed", "a\x1b" "Db", "{A0A0A0}ab", "000000"},
        script_case{"NewlinesMakeRows", "one\n\x1b[33mtwo\nthree",
                    "{A0A0A0}one|{AA8800}two|{AA8800}three", "000000"}),
    [](const testing::TestParamInfo<script_case> &info) { return std::string(info.param.name); });

TEST(AnsiParser, EscCScrollsTwiceTheVisibleRowsPlusOne)
{
    // 100 pixels of 10-pixel rows: 10 visible rows, so 21 newlines.
    outcome o = run_split_everywhere("\x1b[31mtext\x1b" "c");
    EXPECT_EQ(o.last_row, 21);
    EXPECT_EQ(o.shown.substr(0, 14), "{AA0000}text||");
}

TEST(AnsiParser, RenderListMergesRunsAndLinesReachTheHook)
{
    outcome o = run_split_everywhere("ab\x1b[37mcd\n\x1b[31mef\x1b[31mgh\ni");
    // White to white is no change, so "abcd\n" stays one run.
    EXPECT_EQ(o.render_list, "{A0A0A0/0}abcd\n{AA0000/0}efgh\ni");
    EXPECT_EQ(o.lines, "abcd|efgh|");
}

TEST(AnsiParser, LongTextReachesTheViewInPiecesOfAtMost256Bytes)
{
    text_view_fixture f(60000, 100);
    xirr_ansi_display_core display(&f.view);
    std::string text(1000, 'x');
    display.write_ansi_data(text.data(), static_cast<int>(text.size()));
    std::vector<std::pair<uint32_t, std::string>> runs;
    f.view.row_runs(0, &runs);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].second.size(), 256u);
    EXPECT_EQ(runs[3].second.size(), 1000u - 3 * 256);
}

TEST(AnsiParser, PaletteChangeAffectsOnlyLaterTextEvenAfterRerender)
{
    text_view_fixture f;
    xirr_ansi_display_core display(&f.view);
    display.write_ansi_data("\x1b[31mold\n", 9);
    set_ansi_palette(2);  // ZMud-style
    display.write_ansi_data("\x1b[0m\x1b[31mnew", 12);
    EXPECT_EQ(describe_rows(f.view), "{AA0000}old|{800000}new");
    display.change_word_wrap(0);
    EXPECT_EQ(describe_rows(f.view), "{AA0000}old|{800000}new");
    set_ansi_palette(0);
}

TEST(AnsiParser, ColoursChangedWhileSuspendedReachTheViewOnResume)
{
    text_view_fixture f;
    xirr_ansi_display_core display(&f.view);
    display.suspend_updates();
    display.write_ansi_data("\x1b[31mred\x1b[32m", 13);
    display.resume_updates();
    display.write_ansi_data("green", 5);
    EXPECT_EQ(describe_rows(f.view), "{AA0000}red{00AA00}green");
}

TEST(AnsiParser, ClearDisplayEmptiesViewAndRenderListAndResetsToWhite)
{
    text_view_fixture f;
    xirr_ansi_display_core display(&f.view);
    display.write_ansi_data("\x1b[1m\x1b[31mred\n", 13);
    display.clear_display();
    EXPECT_EQ(display.render_list(), nullptr);
    display.write_ansi_data("\n\nplain", 7);
    EXPECT_EQ(describe_rows(f.view), "{A0A0A0}plain");
}

TEST(AnsiParser, TextWrittenFromTheLineHookSkipsTheSplitter)
{
    text_view_fixture f;
    struct echoing : line_collecting_display {
        using line_collecting_display::line_collecting_display;
        void on_line(const char *text) override
        {
            line_collecting_display::on_line(text);
            show_text("echo\n");
        }
    } display(&f.view);
    display.write_ansi_data("a\nb", 3);
    ASSERT_EQ(display.lines.size(), 1u);
    EXPECT_EQ(display.lines[0], "a");
    EXPECT_EQ(display.partial_line(), "b");
    display.flush_partial_line();
    EXPECT_EQ(display.lines.size(), 2u);
    EXPECT_FALSE(display.has_partial_line());
    EXPECT_EQ(f.row(1), "echo");
}

TEST(AnsiParser, ApplySgrCodesGivesBoldYellow)
{
    text_view_fixture f;
    xirr_ansi_display_core display(&f.view);
    display.apply_sgr_codes(1, 0x33);
    display.show_text("y");
    EXPECT_EQ(describe_rows(f.view), "{FFFF55}y");
}

TEST(AnsiParser, LongDigitRunsDoNotMisbehave)
{
    text_view_fixture f;
    xirr_ansi_display_core display(&f.view);
    std::string script = "\x1b[" + std::string(40, '9') + "mok";
    display.write_ansi_data(script.data(), static_cast<int>(script.size()));
    EXPECT_EQ(describe_rows(f.view), "{A0A0A0}ok");
}

} // namespace

namespace {

// Any bytes at all, in any pieces, with the view resized and painted along
// the way: nothing breaks, and what is shown stays printable.
TEST(AnsiParser, RandomBytesNeverBreakTheDisplay)
{
    unsigned seed = 77;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    text_view_fixture f(300, 100);
    line_collecting_display display(&f.view);
    xirr_bitmap surface(300, 100);
    std::string bytes;
    for (int i = 0; i < 20000; i++)
        bytes += static_cast<char>(next(4) == 0 ? "\x1b[;m0123\n\t"[next(11)] : next(256));
    for (size_t at = 0; at < bytes.size();) {
        size_t n = std::min<size_t>(1 + next(300), bytes.size() - at);
        display.write_ansi_data(bytes.data() + at, static_cast<int>(n));
        at += n;
        if (next(10) == 0)
            f.view.set_view_size(1 + static_cast<int>(next(400)), 1 + static_cast<int>(next(200)));
        if (next(10) == 0)
            f.view.paint(surface);
        if (next(50) == 0)
            display.change_word_wrap(static_cast<int>(next(2)));
    }
    for (int r = 0; r <= f.view.get_last_line(); r++)
        for (char c : f.row(r))
            ASSERT_TRUE((c >= 0x1C && c <= 0x7E) || c == '\t') << int(c);
}

} // namespace
