// The real display window on the test X server: text written to it reaches
// the screen, and the scrollbar follows the scrollback.
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "tests/common/test_home.h"
#include "text/xirr_ansi_display.h"

namespace {

void pump()
{
    for (int i = 0; i < 20; i++)
        wxTheApp->Yield(true);
}

// Pixels of the screen rectangle that differ from black, read back from
// the X server itself (the toolkit cannot read the screen under GTK 3).
int lit_pixels(const wxRect &r)
{
    std::string path = test_home() + "/screen.png";
    std::string command = "import -window root -crop " + std::to_string(r.width) + "x" +
                          std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
                          std::to_string(r.y) + " +repage " + path;
    if (system(command.c_str()) != 0)
        return -1;
    wxImage image;
    wxLogNull quiet;  // a bad grab is retried, never reported in a dialog
    if (!image.LoadFile(path, wxBITMAP_TYPE_PNG) || image.GetWidth() != r.width ||
        image.GetHeight() != r.height)
        return -1;
    int lit = 0;
    const unsigned char *p = image.GetData();
    for (int i = 0; i < r.width * r.height; i++, p += 3)
        if (p[0] || p[1] || p[2])
            lit++;
    return lit;
}

// The view's rectangle on the screen, asked again each time: the toolkit
// may still be mapping or moving the frame when a loaded machine runs the
// test.
wxRect screen_area(wxWindow *view)
{
    return wxRect(view->GetScreenPosition(), view->GetClientSize());
}

// Pumps events until the count of lit pixels in the view's screen area
// passes the test, for at most a minute of wall time (a loaded machine maps
// and paints late, a new window shows the toolkit's own background until
// its first paint, and a screen grab can fail).  Answers the last count
// seen, -1 when no grab succeeded.
template <typename Test> int wait_for_lit_pixels(wxWindow *view, Test test)
{
    using clock = std::chrono::steady_clock;
    const clock::time_point deadline = clock::now() + std::chrono::seconds(60);
    int lit = -1;
    do {
        pump();
        lit = lit_pixels(screen_area(view));
        if (lit >= 0 && test(lit))
            break;
        wxMilliSleep(100);
    } while (clock::now() < deadline);
    return lit;
}

TEST(AnsiDisplayWindow, ShowsWrittenTextOnTheScreen)
{
    wxFrame *frame = new wxFrame(nullptr, wxID_ANY, "skiff text test", wxPoint(0, 0), wxSize(420, 320));
    xirr_ansi_display *display = new xirr_ansi_display(frame, wxID_ANY);
    frame->Show();
    pump();
    display->place(0, 0, 400, 300);
    xirr_textctrl *view = display->get_text_view();
    pump();
    ASSERT_GT(view->GetClientSize().GetWidth(), 100);
    EXPECT_EQ(wait_for_lit_pixels(view, [](int lit) { return lit == 0; }), 0)
        << "an empty view is black";

    for (int i = 0; i < 60; i++) {
        const char line[] = "\x1b[1m\x1b[33mYellow text on the screen\x1b[0m and more\n";
        display->write_ansi_data(line, sizeof line - 1);
    }
    display->refresh_text();
    pump();
    EXPECT_GT(wait_for_lit_pixels(view, [](int lit) { return lit > 500; }), 500);
    EXPECT_EQ(view->get_last_line(), 60);
    EXPECT_TRUE(display->is_following());

    // The scrollbar follows the end: position = last row - visible rows.
    int visible = view->get_visible_line_count();
    EXPECT_EQ(display->get_scrollbar_position(), 60 - visible);

    // Scrolling back locks; a layout unlocks again.
    display->lock_scrollback();
    display->scroll_up(3);
    EXPECT_FALSE(display->is_following());
    display->place(0, 0, 380, 300);
    EXPECT_TRUE(display->is_following());
    frame->Destroy();
    pump();
}

} // namespace
