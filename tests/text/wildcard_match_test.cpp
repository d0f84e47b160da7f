#include <gtest/gtest.h>

#include <cstring>
#include <fnmatch.h>
#include <random>
#include <string>

#include "tests/common/null_frame_services.h"
#include "text/wildcard_match.h"
#include "text/xirr_main_window_core.h"

TEST(wildcard_match, table)
{
    struct row {
        const char *pattern;
        const char *line;
        bool match;
    } rows[] = {
        {"* imms: rebuild please", "Gandalf imms: rebuild please", true},
        {"* imms: rebuild please", " imms: rebuild please", true},
        {"* imms: rebuild please", "x imms: rebuild please now", false},
        {"* imms: rebuild please", "x imms: rebuild please.", false},
        {"* imms: rebuild please", "imms: rebuild please", false},
        {"* imms: rebuild please", "a imms: rebuild please b imms: rebuild please", true},
        {"* imms: rebuild please", "", false},
        {"abc", "abc", true},
        {"abc", "abcd", false},
        {"abc", "ab", false},
        {"", "", true},
        {"", "x", false},
        {"*", "", true},
        {"*", "anything", true},
        {"a*", "abc", true},
        {"a*", "ba", false},
        {"*c", "abc", true},
        {"*c", "abcd", false},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "acb", false},
        {"a*b*c", "abc", true},
        {"a*bc*bc", "abc", false},  // the last piece may not reuse matched text
        {"a*bc*bc", "abcbc", true},
        {"**", "xy", true},
        {"Abc*", "abc", false},     // bytes compare exactly
        {"\xe9*", "\xe9t\xe9", true},
    };
    for (const row &r : rows)
        EXPECT_EQ(wildcard_match(r.pattern, r.line), r.match)
            << "'" << r.pattern << "' against '" << r.line << "'";
    EXPECT_FALSE(wildcard_match(nullptr, "x"));
    EXPECT_FALSE(wildcard_match("*", nullptr));
}

// Searching each middle piece at its first place loses no match: the
// matcher agrees with a backtracking glob on short random patterns.
TEST(wildcard_match, agrees_with_a_backtracking_glob)
{
    std::mt19937 random(1234);
    auto text = [&](const char *alphabet, int n) {
        std::string s;
        int length = static_cast<int>(random() % (n + 1));
        for (int i = 0; i < length; i++)
            s += alphabet[random() % std::strlen(alphabet)];
        return s;
    };
    for (int i = 0; i < 5000; i++) {
        std::string pattern = text("ab**", 7);
        std::string line = text("ab", 9);
        bool glob = fnmatch(pattern.c_str(), line.c_str(), 0) == 0;
        EXPECT_EQ(wildcard_match(pattern.c_str(), line.c_str()), glob)
            << "'" << pattern << "' against '" << line << "'";
    }
}

TEST(wildcard_match, captures_the_first_four_wildcards_within_their_buffers)
{
    char a[16], b[16], c[3], d[16];
    wildcard_captures caps;
    char *buffers[] = {a, b, c, d};
    int sizes[] = {16, 16, 3, 16};
    for (int i = 0; i < 4; i++) {
        caps.buffer[i] = buffers[i];
        caps.size[i] = sizes[i];
    }
    ASSERT_TRUE(wildcard_match("<*|*|*|*|*>", "<one||three long|four|five>", &caps));
    EXPECT_STREQ(a, "one");
    EXPECT_STREQ(b, "");
    EXPECT_STREQ(c, "th");  // cut to size - 1
    EXPECT_STREQ(d, "four");

    // A null buffer and a zero size are skipped; the others still fill.
    caps.buffer[1] = nullptr;
    caps.size[2] = 0;
    std::memset(c, 'q', sizeof c);
    ASSERT_TRUE(wildcard_match("*-*-*", "x-y-z", &caps));
    EXPECT_STREQ(a, "x");
    EXPECT_EQ(c[0], 'q');

    // A capture far longer than its buffer stays inside it.
    std::string long_line = "[" + std::string(5000, 'z') + "]";
    caps.buffer[1] = b;
    ASSERT_TRUE(wildcard_match("[*]", long_line.c_str(), &caps));
    EXPECT_EQ(std::strlen(a), 15u);
}

namespace {

// Records the command lines the hook sends.
class recording_services : public null_frame_services {
public:
    std::string sent;
    void process_command_line(const char *text, bool echo) override
    {
        sent += std::string(echo ? "echo:" : "quiet:") + text + "\n";
    }
};

} // namespace

TEST(main_window_line_hook, rebuild_line_sends_remap_then_notice_with_echo)
{
    recording_services services;
    EXPECT_FALSE(main_window_line_hook("Bob imms: rebuild please now", &services));
    EXPECT_EQ(services.sent, "");
    EXPECT_TRUE(main_window_line_hook("Bob imms: rebuild please", &services));
    EXPECT_EQ(services.sent,
              "echo:aset remap\n"
              "echo:imm in progress, please wait approximately two minutes for maps to be built "
              "and transfer\n");
    EXPECT_TRUE(main_window_line_hook("Bob imms: rebuild please", nullptr));
}

TEST(main_window_corner, with_and_without_automap)
{
    main_window_corner c = corner_of_text_area(500, 300);
    EXPECT_EQ(c.width, 100);
    EXPECT_EQ(c.height, 0);
    EXPECT_EQ(c.x, 500 - 100 - 10);
    EXPECT_EQ(c.y, 10);
    c = corner_with_automap(500, 11, 203, 224);
    EXPECT_EQ(c.width, 203);
    EXPECT_EQ(c.height, 224);
    EXPECT_EQ(c.x, 500 - 203 - 22);
    EXPECT_EQ(c.y, 22);
}
