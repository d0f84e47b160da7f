#include <gtest/gtest.h>

#include <string>

#include "input/caption_break.h"
#include "tests/common/test_font.h"

// The test font is 6 pixels a character: a 50-pixel button fits 8.
TEST(caption_break, short_long_and_single_word_captions)
{
    test_font font;
    struct row {
        const char *caption;
        const char *first;
        const char *second;
    } rows[] = {
        {"Heal", "Heal", ""},
        {"Heal all", "Heal all", ""},
        {"Cast magic missile at foe", "Cast", "magic"},
        {"Unbelievable power", "Unbeliev", "power"},
        {"Unbelievably", "Unbeliev", ""},
        {"Unbelievably   ", "Unbeliev", ""},
        {"Go\tnorth now", "Go north", "now"},
        {"Go north\nnow", "Go north", "now"},
        {"Fly over town", "Fly over", "town"},
        {"", "", ""},
        {nullptr, "", ""},
    };
    for (const row &r : rows) {
        fixed_text first, second;
        first.set("stale");
        second.set("stale");
        break_caption(font, r.caption, 50, first, second);
        EXPECT_STREQ(first.c_str(), r.first) << (r.caption ? r.caption : "(null)");
        EXPECT_STREQ(second.c_str(), r.second) << (r.caption ? r.caption : "(null)");
    }
}

TEST(caption_break, second_line_holds_at_most_98_characters)
{
    test_font font;
    std::string caption;
    for (int i = 0; i < 80; i++)
        caption += "word ";
    fixed_text first, second;
    // 200 characters fit on a line of this width.
    break_caption(font, caption.c_str(), 6 * 200 + 2, first, second);
    EXPECT_EQ(first.length(), 199);  // ends after the last whole word
    EXPECT_LE(second.length(), 98);
    EXPECT_GT(second.length(), 90);
    EXPECT_NE(second.c_str()[second.length() - 1], ' ');
}

// The look for a space at the end of the second line stops at the first
// place beyond the copy: a fit of 99 characters copies only 98, so place 98
// ends the look and the space at place 97 stays.
TEST(caption_break, second_line_trim_stops_beyond_the_copy)
{
    test_font font;
    const int width = 6 * 99 + 2;  // 99 characters a line
    struct row {
        std::string rest;
        std::string second;
    } rows[] = {
        {std::string(97, 'y') + " " + std::string(20, 'z'), std::string(97, 'y') + " "},
        // A fit of 98 copies all 98; the space at place 96 ends the line.
        {std::string(96, 'y') + " " + "z", std::string(96, 'y')},
    };
    for (const row &r : rows) {
        std::string caption = std::string(99, 'x') + " " + r.rest;
        fixed_text first, second;
        break_caption(font, caption.c_str(), width, first, second);
        EXPECT_EQ(std::string(first.c_str()), std::string(99, 'x'));
        EXPECT_EQ(std::string(second.c_str()), r.second) << r.rest.size();
    }
}
