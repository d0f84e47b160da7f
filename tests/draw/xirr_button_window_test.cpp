#include <wx/app.h>
#include <wx/frame.h>

#include <gtest/gtest.h>

#include <string>

#include "draw/button_fonts.h"
#include "draw/themes.h"
#include "draw/xirr_animated.h"
#include "draw/xirr_button.h"
#include "tests/common/test_font.h"

namespace {

int ticks_played = 0;
void count_tick() { ticks_played++; }

class button_window_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        build_theme_tables();
        switch_button_theme(theme_value_red);
        set_button_fonts(&font, &font);
        button_click_sound_hook = count_tick;
        ticks_played = 0;
        frame = new wxFrame(nullptr, wxID_ANY, "buttons", wxDefaultPosition, wxSize(300, 200));
        frame->Show();
        button = new xirr_button(frame, wxID_ANY);
        button->place(10, 10, 60, 24);
        button->set_label("North");
        button->Bind(wxEVT_BUTTON, [this](wxCommandEvent &e) {
            clicks++;
            last_id = e.GetId();
            last_object = e.GetEventObject();
        });
        pump();
    }
    void TearDown() override
    {
        button_click_sound_hook = nullptr;
        set_button_fonts(nullptr, nullptr);
        frame->Destroy();
        pump();
    }
    void pump()
    {
        for (int i = 0; i < 5; i++)
            wxTheApp->Yield(true);
    }
    void mouse(wxEventType type)
    {
        wxMouseEvent e(type);
        e.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(e);
    }

    test_font font;
    wxFrame *frame = nullptr;
    xirr_button *button = nullptr;
    int clicks = 0;
    int last_id = -1;
    wxObject *last_object = nullptr;
};

} // namespace

TEST_F(button_window_test, press_queues_one_click_from_the_button_with_id_0)
{
    mouse(wxEVT_ENTER_WINDOW);
    mouse(wxEVT_LEFT_DOWN);
    // The click is queued, not handled inside the mouse handler.
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(ticks_played, 1);
    EXPECT_EQ(button->get_button_state(), button_pressed);
    pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(last_id, 0);
    EXPECT_EQ(last_object, button);
    mouse(wxEVT_LEFT_UP);
    pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->get_button_state(), button_normal);
    EXPECT_EQ(button->get_hover(), 1);
}

TEST_F(button_window_test, disabled_button_ignores_the_mouse)
{
    button->set_enabled(false);
    for (wxEventType t : {wxEVT_ENTER_WINDOW, wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_LEFT_UP,
                          wxEVT_LEAVE_WINDOW})
        mouse(t);
    pump();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(ticks_played, 0);
    EXPECT_EQ(button->get_hover(), 0);
    EXPECT_EQ(button->get_button_state(), button_disabled);
}

TEST_F(button_window_test, toggle_button_flips_on_a_right_press)
{
    button->set_toggle_mode(true);
    mouse(wxEVT_RIGHT_DOWN);
    mouse(wxEVT_RIGHT_UP);
    EXPECT_EQ(button->get_button_state(), button_pressed);
    mouse(wxEVT_LEFT_DOWN);
    pump();
    EXPECT_EQ(button->get_button_state(), button_normal);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(ticks_played, 2);
}

TEST_F(button_window_test, showing_again_never_starts_in_the_hover_look)
{
    mouse(wxEVT_ENTER_WINDOW);
    EXPECT_EQ(button->get_hover(), 1);
    button->Show(false);
    button->Show(true);
    EXPECT_EQ(button->get_hover(), 0);
}

TEST_F(button_window_test, images_follow_size_label_and_theme)
{
    const xirr_image_button_model &m = button->get_model();
    EXPECT_EQ(m.normal_image.GetWidth(), 60);
    EXPECT_EQ(m.normal_image.GetHeight(), 24);
    EXPECT_EQ(m.normal_image.GetPixel(30, 3), (*button_themes[theme_red])[theme_lit_face]);
    button->place(10, 10, 40, 30);
    EXPECT_EQ(m.disabled_image.GetWidth(), 40);
    EXPECT_EQ(m.disabled_image.GetHeight(), 30);
    switch_button_theme(theme_value_grey);
    button->rebuild_images();
    EXPECT_EQ(m.normal_image.GetPixel(20, 3), (*button_themes[theme_grey])[theme_lit_face]);
    button->set_lit(false);
    EXPECT_EQ(m.normal_image.GetPixel(20, 3), (*button_themes[theme_grey])[theme_unlit_face]);
    std::string big(500, 'x');
    button->set_label(big.c_str());
    EXPECT_EQ(std::string(button->get_label()).size(), 400u);
    button->set_label(nullptr);
    EXPECT_STREQ(button->get_label(), "");
}

TEST_F(button_window_test, blink_draws_the_frame_and_leaves_the_animation_list)
{
    button->set_enabled(true);
    button->flash_button();
    EXPECT_TRUE(button->is_animating());
    EXPECT_EQ(button->backing_surface.GetPixel(30, 0), color_black);
    for (int tick = 0; tick < 10; tick++)
        run_animations(20);
    EXPECT_EQ(button->backing_surface.GetPixel(30, 0), color_white);
    for (int tick = 0; tick < 15 * 10; tick++)
        run_animations(20);
    EXPECT_FALSE(button->is_animating());
    EXPECT_EQ(button->backing_surface.GetPixel(30, 0), button->get_model().normal_image.GetPixel(30, 0));
}
