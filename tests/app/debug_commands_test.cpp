#include <gtest/gtest.h>

#include <string>

#include "app/debug_commands.h"
#include "support/debug_log.h"
#include "tests/common/log_tail.h"
#include "tests/common/test_home.h"

namespace {
class debug_commands : public testing::Test {
protected:
    void SetUp() override { saved_ = debug_file_name.c_str(); }
    void TearDown() override
    {
        debug_level = 3;
        reset_debug_file();
        change_debug_file(saved_.c_str());
    }
    std::string saved_;
};
}

TEST_F(debug_commands, level_changes_and_gates_output)
{
    EXPECT_EQ(debug_level_command("//Debug 2"), "\nDebug level changed from 3 to 2.\n\n");
    EXPECT_EQ(debug_level, 2);
    EXPECT_EQ(debug_level_command("//debuglevel abc"), "\nDebug level changed from 2 to 0.\n\n");
    EXPECT_EQ(debug_level, 0);
    log_tail log;
    xirr_report("silent", 2);
    EXPECT_EQ(log.text(), "");
    EXPECT_EQ(debug_level_command("//debug 7"), "\nDebug level changed from 0 to 7.\n\n");  // no range check
}

TEST_F(debug_commands, status_without_arguments)
{
    std::string name = debug_file_name.c_str();
    std::string status = "\nThe current debug level is:     3\nThe current debug filename is:  " + name + "\n";
    EXPECT_EQ(show_debug_status(), status);
    EXPECT_EQ(debug_level_command("//debuglevel  "),
              status + "\nTo change the debug level, you must give a number between 0 and 3.\n\n");
    EXPECT_EQ(debug_filename_command("//debugfile"),
              status + "\nYou must give a filename to change the debug file.\n\n");

    reset_debug_file();
    open_debug_file("/no/such/dir/log");
    EXPECT_EQ(show_debug_status(),
              "\n\nDebug logging is currently DISABLED - unable to open debug file.\n"
              "The failed filename is:  /no/such/dir/log\n\n");
}

TEST_F(debug_commands, filename_change_and_failure)
{
    std::string old_name = debug_file_name.c_str();
    EXPECT_EQ(debug_filename_command("//debugfilename /no/such/dir/new.log"),
              "\nUnable to open new logfile, old logfile not changed.\n\n");
    EXPECT_STREQ(debug_file_name.c_str(), old_name.c_str());
    debug_log("after failure\n");
    EXPECT_NE(read_file(old_name).find("after failure\n"), std::string::npos);

    std::string fresh = test_home() + "/other.log";
    EXPECT_EQ(debug_filename_command(("//debugfile " + fresh + " \n").c_str()), "\nDebug logfile changed.\n\n");
    EXPECT_STREQ(debug_file_name.c_str(), fresh.c_str());
}
