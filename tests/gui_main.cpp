// Entry point of the GUI test binary: runs on a private Xvfb display
// (scripts/with_xvfb) with an application object whose OnInit does nothing,
// so tests create their windows themselves and pump events with Yield().
#include <wx/app.h>
#include <wx/init.h>
#include <wx/image.h>

#include <gtest/gtest.h>

#include "support/debug_log.h"
#include "tests/common/test_home.h"

namespace {
class skiff_test_app : public wxApp {
public:
    bool OnInit() override { return true; }
};
}

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    enter_test_home();
    // Keep the tests' log out of the shared /tmp file.
    change_debug_file((test_home() + "/veymoor_logfile.txt").c_str());
    wxApp::SetInstance(new skiff_test_app);
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "gui tests: unable to initialise the toolkit (no DISPLAY?)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxInitAllImageHandlers();
    int rc = RUN_ALL_TESTS();
    wxEntryCleanup();
    leave_test_home();
    return rc;
}
