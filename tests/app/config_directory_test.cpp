#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "app/config_directory.h"
#include "support/strings.h"
#include "tests/common/log_tail.h"
#include "tests/common/test_home.h"

namespace {
// Runs the search in a fresh working directory of its own.
class config_directory_search : public testing::Test {
protected:
    void SetUp() override
    {
        free_string(&config_directory);
        dir_ = test_home() + "/" + testing::UnitTest::GetInstance()->current_test_info()->name();
        mkdir(dir_.c_str(), 0700);
        ASSERT_EQ(chdir(dir_.c_str()), 0);
    }
    void TearDown() override
    {
        free_string(&config_directory);
        ASSERT_EQ(chdir(test_home().c_str()), 0);
    }
    // A path that can never be created: its parent is a plain file.
    std::string blocked(const char *name)
    {
        std::string file = dir_ + "/plain";
        FILE *f = fopen(file.c_str(), "w");
        fclose(f);
        return file + "/" + name;
    }
    std::string dir_;
};
}

TEST_F(config_directory_search, home_first)
{
    log_tail log;
    load_system_config_directory_from(dir_.c_str(), blocked("shared").c_str());
    EXPECT_EQ(std::string(config_directory), dir_ + "/.Veymoor");
    struct stat st;
    ASSERT_EQ(stat(config_directory, &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(log.text(), "load_system_config_directory() - starting with config directory '(null)'.\n"
                          "No loaded config directory, attempting to construct one...\n"
                          "Trying " + dir_ + "/.Veymoor\n"
                          "load_system_config_directory() - got final config directory '" + dir_ +
                              "/.Veymoor'.\n");
}

TEST_F(config_directory_search, home_unset_tries_the_working_directory)
{
    for (const char *home : {static_cast<const char *>(nullptr), ""}) {
        free_string(&config_directory);
        log_tail log;
        load_system_config_directory_from(home, blocked("shared").c_str());
        EXPECT_STREQ(config_directory, ".Veymoor");
        EXPECT_TRUE(log.contains("Unable to fetch home directory - please set HOME environment variable and "
                                 "restart.\nTrying .Veymoor\n"));
    }
}

TEST_F(config_directory_search, falls_back_to_shared_then_gives_up)
{
    std::string shared = dir_ + "/shared/Veymoor";
    std::string home = blocked("home");
    FILE *f = fopen(".Veymoor", "w");  // the working-directory candidate cannot be a directory
    fclose(f);
    load_system_config_directory_from(home.c_str(), shared.c_str());
    EXPECT_EQ(std::string(config_directory), shared);

    free_string(&config_directory);
    log_tail log;
    load_system_config_directory_from(home.c_str(), blocked("shared").c_str());
    EXPECT_STREQ(config_directory, "Veymoor");
    EXPECT_TRUE(log.contains("Giving up.  Assigning global path of 'Veymoor'\n"));
}

TEST_F(config_directory_search, a_directory_of_another_user_is_skipped)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give a directory away";
    std::string shared = dir_ + "/planted";
    ASSERT_EQ(mkdir(shared.c_str(), 0777), 0);
    ASSERT_EQ(chown(shared.c_str(), 1, 1), 0);
    FILE *f = fopen(".Veymoor", "w");
    fclose(f);
    load_system_config_directory_from(blocked("home").c_str(), shared.c_str());
    EXPECT_STREQ(config_directory, "Veymoor");
}

TEST_F(config_directory_search, a_usable_directory_already_set_is_kept)
{
    mkdir("chosen", 0700);
    replace_string(&config_directory, "chosen");
    log_tail log;
    load_system_config_directory_from(dir_.c_str(), nullptr);
    EXPECT_STREQ(config_directory, "chosen");
    EXPECT_TRUE(log.contains("Trying to use config directory 'chosen'.\n"));
    EXPECT_FALSE(log.contains("No loaded config directory"));
}

TEST_F(config_directory_search, boot_name_file_is_deleted)
{
    replace_string(&config_directory, dir_.c_str());
    std::string boot = dir_ + "/bootname.txt";
    FILE *f = fopen(boot.c_str(), "w");
    fclose(f);
    delete_boot_name_file();
    EXPECT_NE(access(boot.c_str(), F_OK), 0);
    delete_boot_name_file();  // already gone: nothing happens
}
