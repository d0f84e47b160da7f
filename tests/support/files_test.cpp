#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/files.h"
#include "support/lock_file.h"
#include "support/threads.h"
#include "tests/common/log_tail.h"

static bool is_dir(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

static FILE *file_with(const std::string &bytes)
{
    FILE *f = tmpfile();
    fwrite(bytes.data(), 1, bytes.size(), f);
    rewind(f);
    return f;
}

static std::vector<std::string> read_lines(FILE *f, int size, std::vector<int> *results = nullptr)
{
    std::vector<std::string> lines;
    std::vector<char> buf(size > 0 ? size : 1);
    int n;
    while ((n = fget_line(f, buf.data(), size)) > 0) {
        lines.push_back(buf.data());
        if (results)
            results->push_back(n);
    }
    if (results)
        results->push_back(n);
    return lines;
}

TEST(fget_line, lines_crs_zero_bytes_and_end)
{
    FILE *f = file_with(std::string("one\r\ntwo\n\nth\rree\0four", 21) + "\nlast");
    std::vector<int> results;
    auto lines = read_lines(f, 100, &results);
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "three", "four", "last"}));
    EXPECT_EQ(results, (std::vector<int>{4, 4, 1, 6, 5, 5, 0}));
    fclose(f);
}

TEST(fget_line, overflow_leaves_the_rest_for_the_next_call)
{
    FILE *f = file_with("abcdefgh\nxy\n");
    log_tail log;
    auto lines = read_lines(f, 4);
    EXPECT_EQ(lines, (std::vector<std::string>{"abc", "def", "gh", "xy"}));
    EXPECT_TRUE(log.contains("Warning in fget_line(), string overflow.  String was:\nabc\n"));
    fclose(f);
}

TEST(fget_line, too_small_a_buffer_reads_nothing)
{
    FILE *f = file_with("abc\n");
    char b[1];
    EXPECT_EQ(fget_line(f, b, 1), 0);
    EXPECT_EQ(fget_line(nullptr, b, 1), 0);
    fclose(f);
}

TEST(xirr_recursive_mkdir, creates_all_but_the_last_component)
{
    EXPECT_EQ(xirr_recursive_mkdir("one/two/three", 0700, nullptr), 1);
    EXPECT_TRUE(is_dir("one"));
    EXPECT_TRUE(is_dir("one/two"));
    EXPECT_FALSE(is_dir("one/two/three"));

    EXPECT_EQ(xirr_recursive_mkdir("a\\b//c/", 0700, nullptr), 1);  // both separators
    EXPECT_TRUE(is_dir("a/b/c"));
    std::string absolute = std::string(getcwd(nullptr, 0)) + "/abs/x";
    EXPECT_EQ(xirr_recursive_mkdir(absolute.c_str(), 0700, nullptr), 1);
    EXPECT_TRUE(is_dir("abs"));
}

TEST(xirr_recursive_mkdir, failures)
{
    ASSERT_EQ(mkdir("okdir", 0700), 0);
    FILE *f = fopen("okdir/plainfile", "w");
    fclose(f);
    fixed_text error("error: ");
    EXPECT_EQ(xirr_recursive_mkdir("okdir/plainfile/sub/x", 0700, &error), 0);
    EXPECT_STREQ(error.c_str(), "error: okdir/plainfile");  // exists, not a directory
    log_tail log;
    EXPECT_EQ(xirr_recursive_mkdir(nullptr, 0700, nullptr), 0);
    EXPECT_TRUE(log.contains("Error in xirr_recursive_mkdir(), NULL path.\n"));
}

TEST(xirr_create_and_check_writeable_directory, creates_and_tests)
{
    EXPECT_EQ(xirr_create_and_check_writeable_directory("w1/w2", 0755, nullptr), 1);
    struct stat st;
    ASSERT_EQ(stat("w1/w2", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_NE(access("w1/w2/xx-rw-test.qqq", F_OK), 0);

    FILE *f = fopen("afile", "w");
    fclose(f);
    fixed_text error;
    EXPECT_EQ(xirr_create_and_check_writeable_directory("afile", 0700, &error), 0);
    EXPECT_STREQ(error.c_str(), "afile/xx-rw-test.qqq");
    EXPECT_EQ(xirr_create_and_check_writeable_directory("", 0700, nullptr), 0);
    EXPECT_EQ(xirr_create_and_check_writeable_directory(nullptr, 0700, nullptr), 0);
}

TEST(xirr_create_and_check_writeable_directory, never_writes_through_a_planted_link)
{
    ASSERT_EQ(mkdir("shared", 0777), 0);
    FILE *f = fopen("victim", "w");
    fputs("keep me", f);
    fclose(f);
    ASSERT_EQ(symlink("../victim", "shared/xx-rw-test.qqq"), 0);
    EXPECT_EQ(xirr_create_and_check_writeable_directory("shared", 0700, nullptr), 0);
    EXPECT_EQ(read_file("victim"), "keep me");
}

TEST(lock_file, second_process_is_refused_until_unlocked)
{
    int fd = xirr_lock_file("pack.lock");
    ASSERT_GE(fd, 0);
    struct stat st;
    ASSERT_EQ(stat("pack.lock", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    auto other_process_can_lock = [] {
        pid_t pid = fork();
        if (pid == 0)
            _exit(xirr_lock_file("pack.lock") >= 0 ? 0 : 1);
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    EXPECT_FALSE(other_process_can_lock());
    xirr_unlock_file(fd);
    EXPECT_TRUE(other_process_can_lock());
    EXPECT_EQ(xirr_lock_file("no/such/dir/pack.lock"), -1);
}

static void *set_flag(void *arg)
{
    static_cast<std::atomic<int> *>(arg)->store(1);
    return nullptr;
}

TEST(threads, detached_thread_runs)
{
    std::atomic<int> flag{0};
    ASSERT_EQ(xirr_thread_create("probe", set_flag, &flag), 1);
    for (int i = 0; i < 500 && !flag.load(); i++)
        xirr_sleep_ms(10);
    EXPECT_EQ(flag.load(), 1);
    EXPECT_EQ(xirr_thread_create("none", nullptr, nullptr), 0);
}
