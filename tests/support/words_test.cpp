#include <gtest/gtest.h>

#include <string>

#include "support/numbers.h"
#include "support/words.h"

TEST(words, next_arg)
{
    EXPECT_STREQ(next_arg("  one \t two three"), "two three");
    EXPECT_STREQ(next_arg("one\ntwo"), "two");
    EXPECT_EQ(next_arg("single"), nullptr);
    EXPECT_EQ(next_arg("single   "), nullptr);
    EXPECT_EQ(next_arg(""), nullptr);
    EXPECT_EQ(next_arg(nullptr), nullptr);
}

TEST(words, comparisons)
{
    struct row {
        const char *a, *b;
        int equals, starts, abbrev3;
    } rows[] = {
        {"Content-Length: 12", "content-length:", 1, 15, 15},
        {"//c", "//commands", 0, 3, 3},
        {"//", "//commands", 0, 2, 0},        // below the minimum: must be whole
        {"//d rest", "//d", 1, 3, 3},
        {"//D", "//debuglevel", 0, 3, 3},
        {"//commandsx", "//commands", 0, 0, 0},
        {"", "anything", 0, 0, 0},
        {"abc", "ab", 0, 0, 0},
        {"\xe9t\xe9", "\xc9T\xc9", 0, 0, 0},  // only A to Z fold
    };
    for (const row &r : rows) {
        SCOPED_TRACE(std::string(r.a) + " / " + r.b);
        EXPECT_EQ(word_equals(r.a, r.b), r.equals);
        EXPECT_EQ(starts_with_word(r.a, r.b), r.starts);
        EXPECT_EQ(abbreviates(r.a, r.b, 3), r.abbrev3);
    }
    EXPECT_EQ(word_equals(nullptr, "x"), 0);
    EXPECT_EQ(abbreviates("//", "//", 3), 2);
}

TEST(words, words_of_400_characters_never_match)
{
    std::string w399(399, 'a'), w400(400, 'a');
    EXPECT_EQ(word_equals(w399.c_str(), w399.c_str()), 1);
    EXPECT_EQ(word_equals(w400.c_str(), w400.c_str()), 0);
    EXPECT_EQ(starts_with_word(w400.c_str(), (w400 + "b").c_str()), 0);
}

TEST(words, word_in_list)
{
    EXPECT_EQ(word_in_list("West rest", "north  south\twest"), 1);
    EXPECT_EQ(word_in_list("we", "north south west"), 0);
    EXPECT_EQ(word_in_list("x", ""), 0);
    EXPECT_EQ(word_in_list(nullptr, "x"), 0);
}

TEST(numbers, parse_int)
{
    struct row {
        const char *text;
        int ok, value;
    } rows[] = {
        {"-3", 1, -3},  {"+a", 1, 0},     {"42abc", 1, 42}, {"-a", 0, 99},
        {"a1", 0, 99},  {"", 0, 99},      {" 1", 0, 99},    {"99999999999", 1, 2147483647},
        {"0", 1, 0},    {"-99999999999", 1, -2147483647 - 1},
    };
    for (const row &r : rows) {
        int v = 99;
        EXPECT_EQ(parse_int(r.text, &v), r.ok) << r.text;
        EXPECT_EQ(v, r.value) << r.text;
    }
    EXPECT_EQ(parse_int(nullptr, nullptr), 0);
}

TEST(numbers, angle_of)
{
    struct row {
        int dx, dy, angle;
    } rows[] = {
        {0, 0, 90}, {0, 5, 90}, {-5, 0, 180}, {0, -5, 270}, {5, 0, 0},
        {3, 3, 45}, {-3, 3, 135}, {-3, -3, 225}, {3, -3, 315}, {-7, -1, 188},
    };
    for (const row &r : rows)
        EXPECT_EQ(angle_of(r.dx, r.dy), r.angle) << r.dx << "," << r.dy;
}
