#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/utils.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/surface_transfer.h"
#include "draw/xirr_embedded_window.h"
#include "draw/xirr_focus_hand_off.h"
#include "draw/xirr_frame.h"
#include "support/debug_log.h"
#include "tests/common/screen_grab.h"

namespace {

void pump()
{
    for (int i = 0; i < 5; i++)
        wxTheApp->Yield();
}

// What the X server shows at (x, y) of the window's client area.
rgb_color screen_pixel(wxWindow *w, int x, int y)
{
    wxPoint p = w->ClientToScreen(wxPoint(x, y));
    std::vector<unsigned char> rgb;
    if (!grab_screen(p.x, p.y, 1, 1, rgb))
        return rgb_color(-1, -1, -1);
    return rgb_color(rgb[0], rgb[1], rgb[2]);
}

// Waits (pumping events) until the screen shows c at (x, y) of w.
bool screen_shows(wxWindow *w, int x, int y, const rgb_color &c)
{
    for (int i = 0; i < 20; i++) {
        pump();
        if (screen_pixel(w, x, y) == c)
            return true;
        wxMilliSleep(20);
    }
    return false;
}

class probe_panel : public xirr_embedded_window {
public:
    explicit probe_panel(wxWindow *parent) : xirr_embedded_window(parent, wxID_ANY, "probe panel")
    {
    }
    void relayout(bool recreated) override { log += recreated ? "relayout(true) " : "relayout(false) "; }
    void repaint_internal(xirr_bitmap &surface) override
    {
        repaints++;
        EXPECT_EQ(&surface, &backing_surface);
        surface.Clear(body);
        surface.DrawFilledRectangle(3, 4, 4, 5, color_white);
    }
    bool animation_callback(int elapsed_ms) override { return false; }
    void enable_focus_hand_off() { hand_off_focus(); }

    rgb_color body = rgb_color(200, 10, 30);
    int repaints = 0;
    std::string log;
};

struct panel_fixture : testing::Test {
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "panel test", wxPoint(0, 0), wxSize(300, 200));
        // A frame stretches a sole child over its client area: the panel
        // lives in a holder, as panels live among many in the main frame.
        holder = new wxWindow(frame, wxID_ANY);
        holder->SetBackgroundColour(wxColour(0, 0, 255));
        panel = new probe_panel(holder);
        frame->Show();
        pump();
    }
    void TearDown() override
    {
        frame->Destroy();
        pump();
    }
    wxFrame *frame = nullptr;
    wxWindow *holder = nullptr;
    probe_panel *panel = nullptr;
};

}  // namespace

TEST_F(panel_fixture, starts_at_20_by_20_without_border_and_with_its_name)
{
    EXPECT_EQ(panel->GetName(), "probe panel");
    EXPECT_EQ(panel->GetClientSize(), wxSize(20, 20));
    EXPECT_EQ(panel->backing_surface.GetWidth(), 20);
    EXPECT_EQ(panel->backing_surface.GetHeight(), 20);
    EXPECT_EQ(panel->flash_ticker.steps_left(), 0);
    EXPECT_EQ(panel->flash_ticker.step_ms(), 200);
    EXPECT_TRUE(panel->HasFlag(wxBORDER_NONE));
}

TEST_F(panel_fixture, paints_its_surface_to_the_screen)
{
    panel->place(10, 20, 40, 30);
    panel->Refresh();
    ASSERT_TRUE(screen_shows(panel, 0, 0, rgb_color(200, 10, 30)));
    // One grab of the holder around the panel: the frame's own background
    // shows around the panel's exact pixels.
    wxPoint origin = holder->ClientToScreen(wxPoint(0, 0));
    std::vector<unsigned char> rgb;
    ASSERT_TRUE(grab_screen(origin.x, origin.y, 60, 60, rgb));
    auto at = [&](int x, int y) {
        const unsigned char *p = &rgb[(y * 60 + x) * 3];
        return rgb_color(p[0], p[1], p[2]);
    };
    const rgb_color body(200, 10, 30), blue(0, 0, 255);
    EXPECT_EQ(at(10, 20), body);
    EXPECT_EQ(at(49, 49), body);
    EXPECT_EQ(at(13, 24), color_white);
    EXPECT_EQ(at(14, 25), color_white);
    EXPECT_EQ(at(15, 25), body);
    EXPECT_EQ(at(9, 20), blue);
    EXPECT_EQ(at(10, 19), blue);
    EXPECT_EQ(at(50, 49), blue);
    EXPECT_EQ(at(49, 50), blue);
    EXPECT_GT(panel->repaints, 0);

    // redraw_now shows a state change at once, without waiting for events.
    panel->body = rgb_color(20, 220, 120);
    int before = panel->repaints;
    panel->redraw_now();
    EXPECT_EQ(panel->repaints, before + 1);
    EXPECT_EQ(screen_pixel(panel, 20, 20), rgb_color(20, 220, 120));
}

TEST_F(panel_fixture, place_and_resize_clamp_and_recreate_only_on_a_new_size)
{
    panel->place(5, 6, 0, -3);
    EXPECT_EQ(panel->log, "relayout(true) ");
    EXPECT_EQ(panel->GetClientSize(), wxSize(1, 1));
    EXPECT_EQ(panel->GetPosition(), wxPoint(5, 6));
    EXPECT_EQ(panel->backing_surface.GetWidth(), 1);
    EXPECT_EQ(panel->backing_surface.GetHeight(), 1);

    panel->log.clear();
    panel->place(7, 8, 50, 40);
    const unsigned char *pixels = panel->backing_surface.pixels();
    panel->place(9, 10, 50, 40);
    EXPECT_EQ(panel->log, "relayout(true) relayout(false) ");
    EXPECT_EQ(panel->backing_surface.pixels(), pixels);
    EXPECT_EQ(panel->GetPosition(), wxPoint(9, 10));

    panel->log.clear();
    panel->resize(60, 20);
    EXPECT_EQ(panel->log, "relayout(true) ");
    EXPECT_EQ(panel->GetPosition(), wxPoint(9, 10));
    EXPECT_EQ(panel->GetClientSize(), wxSize(60, 20));
    EXPECT_EQ(panel->backing_surface.GetWidth(), 60);
    panel->resize(-5, 0);
    EXPECT_EQ(panel->GetClientSize(), wxSize(1, 1));
    EXPECT_EQ(panel->GetPosition(), wxPoint(9, 10));

    panel->log.clear();
    panel->force_relayout();
    EXPECT_EQ(panel->log, "relayout(true) ");
}

TEST_F(panel_fixture, hidden_panel_neither_redraws_nor_paints)
{
    panel->place(0, 0, 30, 30);
    pump();
    panel->Hide();
    pump();
    int before = panel->repaints;
    panel->redraw_now();
    panel->Refresh();
    panel->Update();
    pump();
    EXPECT_EQ(panel->repaints, before);
}

TEST_F(panel_fixture, destroying_a_listed_panel_leaves_the_animation_list)
{
    int before = animation_list_length();
    panel->start_animation();
    EXPECT_EQ(animation_list_length(), before + 1);
    delete panel;
    EXPECT_EQ(animation_list_length(), before);
    run_animations(20);
}

namespace {

struct fake_hand_off : xirr_focus_hand_off {
    bool answer = true;
    wxWindow *asked = nullptr;
    bool transfer_focus_main(wxWindow *w) override
    {
        asked = w;
        return answer;
    }
};

}  // namespace

TEST_F(panel_fixture, focus_is_handed_to_the_input_line_when_asked_for)
{
    fake_hand_off hand_off;
    the_focus_hand_off = &hand_off;
    panel->enable_focus_hand_off();
    for (bool answer : {true, false}) {
        hand_off.answer = answer;
        hand_off.asked = nullptr;
        wxFocusEvent focus(wxEVT_SET_FOCUS, panel->GetId());
        focus.SetEventObject(panel);
        panel->GetEventHandler()->ProcessEvent(focus);
        EXPECT_EQ(hand_off.asked, panel);
        // Handed on: consumed; otherwise the toolkit gets it.
        EXPECT_EQ(focus.GetSkipped(), !answer);
    }
    the_focus_hand_off = nullptr;
}

TEST(xirr_frame, name_and_parent_check)
{
    wxFrame *main = new wxFrame(nullptr, wxID_ANY, "main");
    xirr_frame::main_frame = main;
    struct { wxWindow *parent; long style; const char *log; } cases[] = {
        {main, wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT, ""},
        {nullptr, wxDEFAULT_FRAME_STYLE, ""},
        {nullptr, wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT,
         "Warning in xirr_frame() - frame created without main window as parent.\n"},
    };
    for (const auto &c : cases) {
        testing::internal::CaptureStdout();
        xirr_frame *f = new xirr_frame(c.parent, wxID_ANY, "Caf\xe9", wxDefaultPosition,
                                       wxDefaultSize, c.style);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.log);
        EXPECT_EQ(f->GetName(), wxString("xirr frame ") + wxString("Caf\xe9"));
        f->Destroy();
    }
    xirr_frame::main_frame = nullptr;
    main->Destroy();
    pump();
}

TEST(surface_transfer, reused_upload_bitmap_draws_the_new_pixels)
{
    xirr_bitmap a(4, 4), b(4, 4);
    a.Clear(color_red);
    b.Clear(color_green);
    wxBitmap up;
    wxBitmap target(4, 4, 24);
    for (const xirr_bitmap *s : {&a, &b, &a}) {
        ASSERT_TRUE(upload_surface(*s, up));
        {
            wxMemoryDC dc(target);
            dc.DrawBitmap(up, 0, 0, false);
        }
        wxImage img = target.ConvertToImage();
        EXPECT_EQ(rgb_color(img.GetRed(1, 1), img.GetGreen(1, 1), img.GetBlue(1, 1)), s->GetPixel(1, 1));
    }
}

TEST(surface_transfer, png_and_image_round_trip_keep_pixels_and_alpha)
{
    wxImage img(3, 2);
    img.SetRGB(0, 0, 10, 20, 30);
    img.SetRGB(2, 1, 250, 128, 0);
    img.InitAlpha();
    img.SetAlpha(0, 0, 77);
    wxMemoryOutputStream out;
    ASSERT_TRUE(img.SaveFile(out, wxBITMAP_TYPE_PNG));
    std::string bytes(out.GetSize(), '\0');
    out.CopyTo(&bytes[0], bytes.size());

    xirr_bitmap s;
    ASSERT_TRUE(surface_from_png((const unsigned char *)bytes.data(), bytes.size(), s));
    EXPECT_EQ(s.GetWidth(), 3);
    EXPECT_EQ(s.GetPixel(0, 0), rgb_color(10, 20, 30));
    EXPECT_EQ(s.GetAlpha(0, 0), 77);
    EXPECT_EQ(s.GetAlpha(1, 0), 255);
    EXPECT_EQ(s.GetPixel(2, 1), rgb_color(250, 128, 0));

    wxImage back;
    ASSERT_TRUE(surface_to_image(s, back));
    EXPECT_EQ(back.GetRed(2, 1), 250);
    EXPECT_EQ(back.GetGreen(0, 0), 20);

    xirr_bitmap untouched(2, 2);
    const unsigned char junk[] = {1, 2, 3, 4, 5};
    EXPECT_FALSE(surface_from_png(junk, sizeof junk, untouched));
    EXPECT_FALSE(surface_from_png(nullptr, 0, untouched));

    // Uploading for a blit keeps the exact colours.
    wxBitmap up;
    ASSERT_TRUE(upload_surface(s, up));
    wxImage shown = up.ConvertToImage();
    EXPECT_EQ(shown.GetRed(2, 1), 250);
    EXPECT_EQ(shown.GetGreen(2, 1), 128);
    EXPECT_EQ(shown.GetBlue(0, 0), 30);
}
