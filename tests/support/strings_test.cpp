#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "support/strings.h"
#include "tests/common/log_tail.h"

TEST(strings, safe_strcpy_cuts_terminates_and_logs)
{
    char dest[5];
    log_tail log;
    safe_strcpy(dest, "abcdef", sizeof dest);
    EXPECT_STREQ(dest, "abcd");
    EXPECT_TRUE(log.contains("Error in safe_strcpy(), src overflow, string was 'abcdef'.\n"));

    safe_strcpy(dest, "abcd", sizeof dest);  // exactly fits
    EXPECT_STREQ(dest, "abcd");
    safe_strcpy(dest, nullptr, sizeof dest);
    EXPECT_STREQ(dest, "");
    EXPECT_TRUE(log.contains("Error in safe_strcpy(), null src?\n"));
}

TEST(strings, copy_string_with_length_pads_and_terminates)
{
    char *c = copy_string("ab", 5);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(std::memcmp(c, "ab\0\0\0\0", 6), 0);
    std::free(c);

    c = copy_string("abcdef", 3);
    EXPECT_STREQ(c, "abc");
    std::free(c);
    EXPECT_EQ(copy_string("abc", static_cast<size_t>(-1)), nullptr);  // no room for the zero

    log_tail log;
    c = copy_string(nullptr, 4);
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c, "");
    std::free(c);
    EXPECT_EQ(copy_string(nullptr), nullptr);
    EXPECT_TRUE(log.contains("Error in copy_string() 2, null src.\n"));
    EXPECT_TRUE(log.contains("Error in copy_string() 1, null src.\n"));
}

TEST(strings, replace_free_and_duplicate)
{
    char *s = copy_string("old");
    replace_string(&s, "new");
    EXPECT_STREQ(s, "new");
    log_tail log;
    replace_string(&s, nullptr);
    EXPECT_EQ(s, nullptr);
    replace_string(nullptr, "x");
    EXPECT_TRUE(log.contains("Error in replace_string(), null src.\n"));
    EXPECT_TRUE(log.contains("Error in replace_string(), null dest.\n"));

    EXPECT_EQ(duplicate_string(nullptr), nullptr);
    s = duplicate_string("dup");
    EXPECT_STREQ(s, "dup");
    free_string(&s);
    EXPECT_EQ(s, nullptr);
}
