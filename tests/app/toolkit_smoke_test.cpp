#include <wx/app.h>
#include <wx/frame.h>

#include <gtest/gtest.h>

// The GUI test binary has a display and an initialised toolkit.
TEST(toolkit, frame_can_be_created_on_the_test_display)
{
    wxFrame *f = new wxFrame(nullptr, wxID_ANY, "probe", wxDefaultPosition, wxSize(200, 100));
    f->Show();
    wxTheApp->Yield();
    EXPECT_EQ(f->GetTitle(), "probe");
    f->Destroy();
    wxTheApp->Yield();
}
