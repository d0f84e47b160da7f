#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "input/button_records.h"
#include "support/debug_log.h"

namespace {

// Everything the debug log has received so far in this test process.
std::string debug_text()
{
    std::ifstream f(debug_file_name.c_str());
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

bool logged(const std::string &line)
{
    return debug_text().find(line) != std::string::npos;
}

} // namespace

TEST(button_records, hint_record_label_and_command)
{
    hint_record r;
    ASSERT_TRUE(parse_hint_record("b3", "Look\nlook around\nsecond line", r));
    EXPECT_EQ(r.number, 3);
    EXPECT_STREQ(r.label.c_str(), "Look");
    EXPECT_TRUE(r.has_command);
    EXPECT_STREQ(r.command.c_str(), "look around\nsecond line");

    ASSERT_TRUE(parse_hint_record("b3", "Look", r));
    EXPECT_FALSE(r.has_command);
    ASSERT_TRUE(parse_hint_record("b12", "Look\n", r));
    EXPECT_EQ(r.number, 12);
    EXPECT_FALSE(r.has_command);
}

TEST(button_records, hint_record_refusals)
{
    hint_record r;
    EXPECT_FALSE(parse_hint_record("b3t", "Look\nlook", r));
    EXPECT_FALSE(parse_hint_record("b13", "Look\nlook", r));
    EXPECT_TRUE(logged("Warning in xirr_hint_buttons::setup_button(), requested button number 13 is bogus.  Ignoring.\n"));
    EXPECT_FALSE(parse_hint_record("b0", "x\ny", r));
    EXPECT_FALSE(parse_hint_record("b99999999999999999999", "x\ny", r));
    EXPECT_FALSE(parse_hint_record("", "x\ny", r));
    EXPECT_FALSE(parse_hint_record(nullptr, "x\ny", r));
}

TEST(button_records, fkey_record_caption_and_numbers)
{
    fkey_record r;
    ASSERT_TRUE(parse_fkey_record("bf2", "\n\nCast fireball\nmore", r));
    EXPECT_EQ(r.number, 2);
    EXPECT_TRUE(r.has_caption);
    EXPECT_STREQ(r.caption.c_str(), "Cast fireball");
    ASSERT_TRUE(parse_fkey_record("bf2", "", r));
    EXPECT_FALSE(r.has_caption);
    ASSERT_TRUE(parse_fkey_record("bf8", "\n\n", r));
    EXPECT_FALSE(r.has_caption);

    std::string before = debug_text();
    for (const char *tag : {"bf9", "bf12"})
        EXPECT_FALSE(parse_fkey_record(tag, "x", r)) << tag;
    EXPECT_EQ(debug_text(), before);
    EXPECT_FALSE(parse_fkey_record("bf13", "x", r));
    EXPECT_TRUE(logged("Warning in xirr_fkey_manager::setup_button(), requested button number 13 is bogus.  Ignoring.\n"));
}

// The number is read as a decimal int is read anywhere: a sign counts, and
// only values beyond the int range saturate.
TEST(button_records, bogus_numbers_are_logged_as_read)
{
    struct row {
        const char *tag;
        int number;
    } rows[] = {
        {"b123456789", 123456789},
        {"b-3", -3},
        {"b99999999999999999999", 2147483647},
        {"b-99999999999999999999", -2147483647 - 1},
        {"b", 0},
    };
    hint_record r;
    for (const row &w : rows) {
        EXPECT_FALSE(parse_hint_record(w.tag, "x\ny", r)) << w.tag;
        EXPECT_EQ(r.number, w.number) << w.tag;
        EXPECT_TRUE(logged("Warning in xirr_hint_buttons::setup_button(), requested button number " +
                           std::to_string(w.number) + " is bogus.  Ignoring.\n"))
            << w.tag;
    }
    EXPECT_EQ(tag_number("+7x"), 7);
    EXPECT_EQ(tag_number(nullptr), 0);
}
