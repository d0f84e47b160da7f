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

TEST(button_records, dirs_switch_and_exit_mask)
{
    struct row {
        const char *payload;
        int pad_switch;
        bool has_mask;
        int mask;
    } rows[] = {
        {"on IB", dirs_on, true, 0x101},
        {"ON BC", dirs_on, true, 34},
        {"off", dirs_off, false, 0},
        {"Off AA", dirs_off, true, 0},
        {"on `` ", dirs_on, true, 0x3ff},
        {"maybe IB", dirs_bad, true, 0x101},
        {"on I", dirs_on, false, 0},  // one letter is not a mask
        {"", dirs_bad, false, 0},
        {"onward", dirs_bad, false, 0},
    };
    for (const row &r : rows) {
        dirs_record d;
        parse_dirs_record(r.payload, d);
        EXPECT_EQ(d.pad_switch, r.pad_switch) << r.payload;
        EXPECT_EQ(d.has_mask, r.has_mask) << r.payload;
        if (r.has_mask) {
            EXPECT_EQ(d.mask, r.mask) << r.payload;
        }
    }
    EXPECT_TRUE(logged("Warning in xirr_mw::process_tagged_data(), bad dirs string 'maybe IB'.\n"));
    // Letters outside the range never light more than the ten exits.
    EXPECT_EQ(exit_mask_from_letters('!', '\xff') & ~0x3ff, 0);
}
