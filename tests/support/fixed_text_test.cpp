#include <gtest/gtest.h>

#include <string>

#include "support/fixed_text.h"

TEST(fixed_text, holds_at_most_5999_characters)
{
    fixed_text t;
    std::string big(7000, 'x');
    t.append(big.c_str());
    EXPECT_EQ(t.length(), 5999);
    EXPECT_FALSE(t.append_char('y'));
    t.appendf("%s", "more");
    EXPECT_EQ(t.length(), 5999);
}

TEST(fixed_text, null_and_line_rules)
{
    fixed_text t;
    t.append(nullptr);
    EXPECT_STREQ(t.c_str(), "(null)");
    t.assign_line("first line\nsecond");
    EXPECT_STREQ(t.c_str(), "first line");
}
