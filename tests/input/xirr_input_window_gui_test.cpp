// The input panel on a real display: the line edit's place inside the frame,
// the focus hand-over and the frame's blink.
#include <wx/app.h>
#include <wx/frame.h>

#include <gtest/gtest.h>

#include "draw/xirr_animated.h"
#include "input/xirr_input_window.h"

namespace {

void pump(int rounds = 20)
{
    for (int i = 0; i < rounds; i++) {
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
}

class input_window : public testing::Test {
protected:
    input_window()
    {
        top = new wxFrame(nullptr, wxID_ANY, "skiff input window test", wxDefaultPosition,
                          wxSize(500, 120));
        panel = new xirr_input_window(top, wxID_ANY, "main");
        top->Show();
        panel->place(10, 20, 300, 48);
        pump();
    }
    ~input_window() override
    {
        top->Destroy();
        pump(2);
    }

    wxFrame *top = nullptr;
    xirr_input_window *panel = nullptr;
};

}  // namespace

TEST_F(input_window, line_edit_sits_inside_the_frame)
{
    EXPECT_EQ(panel->line_edit()->GetName(), "main input window");
    EXPECT_EQ(panel->line_edit()->GetPosition(), wxPoint(2, 1));
    EXPECT_EQ(panel->line_edit()->GetSize(), wxSize(296, 46));
    panel->place(0, 0, 3, 2);
    EXPECT_EQ(panel->line_edit()->GetSize(), wxSize(1, 1));
    panel->resize(100, 24);
    EXPECT_EQ(panel->line_edit()->GetSize(), wxSize(96, 22));
}

TEST_F(input_window, focus_goes_to_the_line_edit)
{
    panel->SetFocus();
    pump();
    EXPECT_EQ(wxWindow::FindFocus(), panel->line_edit());
}

TEST_F(input_window, flash_blinks_sixteen_steps_then_leaves_the_list)
{
    panel->flash_input();
    EXPECT_TRUE(panel->is_animating());
    EXPECT_EQ(panel->flash_ticker.steps_left(), 16);
    EXPECT_EQ(panel->backing_surface.GetPixel(0, 0).red, 0);  // even: black
    int ticks = 0;
    while (panel->is_animating() && ticks < 1000) {
        run_animations(20);
        ticks++;
        if (ticks == 10) {
            EXPECT_EQ(panel->backing_surface.GetPixel(0, 0).red, 255);  // 15 left: white
        }
    }
    EXPECT_EQ(ticks, 160);  // 16 steps of 200 ms at 20 ms a tick
    EXPECT_EQ(panel->backing_surface.GetPixel(1, 5).red, 128);  // back to the grey column
}
