// Entry point of the display-free test binary.  Never initialises a toolkit.
#include <gtest/gtest.h>

#include "support/debug_log.h"
#include "tests/common/test_home.h"

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    enter_test_home();
    // Keep the tests' log out of the shared /tmp file.
    change_debug_file((test_home() + "/veymoor_logfile.txt").c_str());
    int rc = RUN_ALL_TESTS();
    leave_test_home();
    return rc;
}
