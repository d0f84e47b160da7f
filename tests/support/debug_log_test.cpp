#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "support/debug_log.h"
#include "tests/common/log_tail.h"
#include "tests/common/test_home.h"

namespace {
// Each test may switch files and levels; put the test log back afterwards.
class debug_log_rules : public testing::Test {
protected:
    void SetUp() override { saved_ = debug_file_name.c_str(); }
    void TearDown() override
    {
        debug_level = 3;
        report_enabled = true;
        report_mask = 0;
        reset_debug_file();
        change_debug_file(saved_.c_str());
    }
    std::string saved_;
};
}

TEST_F(debug_log_rules, xirr_report_gating)
{
    struct row {
        int level;
        bool enabled;
        int mask, category;
        bool written;
    } rows[] = {
        {3, true, 0, 2, true},     {1, true, 0, 2, true},   {0, true, 0, 2, false},
        {3, false, 0, 2, false},   {3, true, 2, 2, false},  {3, true, 2, 6, true},
        {3, true, 0x180, 0x100, false},
    };
    for (const row &r : rows) {
        debug_level = r.level;
        report_enabled = r.enabled;
        report_mask = r.mask;
        log_tail log;
        xirr_report("probe report", r.category);
        EXPECT_EQ(log.contains("probe report\n"), r.written) << r.level << " " << r.mask << " " << r.category;
    }
}

TEST_F(debug_log_rules, file_is_created_private)
{
    std::string path = test_home() + "/fresh.log";
    ASSERT_TRUE(change_debug_file(path.c_str()));
    debug_log("hello %d\n", 5);
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(read_file(path), "hello 5\n");
    EXPECT_STREQ(debug_file_name.c_str(), path.c_str());
}

TEST_F(debug_log_rules, failed_change_keeps_the_old_file)
{
    std::string old_path = debug_file_name.c_str();
    ASSERT_FALSE(change_debug_file("/no/such/directory/log.txt"));
    EXPECT_FALSE(debug_file_disabled);
    EXPECT_STREQ(debug_file_name.c_str(), old_path.c_str());
    debug_log("still here\n");
    EXPECT_NE(read_file(old_path).find("still here\n"), std::string::npos);
}

TEST_F(debug_log_rules, links_fifos_and_foreign_files_count_as_unopenable)
{
    std::string target = test_home() + "/target.txt";
    std::string link = test_home() + "/link.log";
    std::string fifo = test_home() + "/fifo.log";
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
    EXPECT_FALSE(change_debug_file(link.c_str()));
    EXPECT_NE(access(target.c_str(), F_OK), 0);  // nothing created through the link
    EXPECT_FALSE(change_debug_file(fifo.c_str()));  // and no hang on the FIFO
    if (geteuid() == 0) {
        std::string foreign = test_home() + "/foreign.log";
        FILE *f = fopen(foreign.c_str(), "w");
        fclose(f);
        ASSERT_EQ(chown(foreign.c_str(), 1, 1), 0);
        EXPECT_FALSE(change_debug_file(foreign.c_str()));
    }
}

TEST_F(debug_log_rules, unopenable_first_file_disables_file_logging)
{
    reset_debug_file();
    std::string link = test_home() + "/first.log";
    ASSERT_EQ(symlink("/dev/null", link.c_str()), 0);
    open_debug_file(link.c_str());
    EXPECT_TRUE(debug_file_disabled);
    EXPECT_STREQ(debug_file_name.c_str(), link.c_str());  // the failed name stays
    debug_log("stdout only\n");
    EXPECT_TRUE(debug_file_disabled);
}

TEST_F(debug_log_rules, failed_change_with_no_earlier_file_leaves_lazy_open)
{
    reset_debug_file();
    EXPECT_FALSE(change_debug_file("/no/such/directory/log.txt"));
    EXPECT_FALSE(debug_file_disabled);
}
