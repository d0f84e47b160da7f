#include <gtest/gtest.h>

#include "draw/xirr_button_state.h"

using ev = button_mouse_event;

namespace {

const ev all_events[] = {
    ev::left_down,   ev::left_up,   ev::left_dclick,  ev::middle_down, ev::middle_up,
    ev::middle_dclick, ev::right_down, ev::right_up,  ev::right_dclick, ev::aux1_down,
    ev::aux1_up,     ev::aux1_dclick, ev::aux2_down,  ev::aux2_up,     ev::aux2_dclick,
    ev::motion,      ev::enter,     ev::leave,        ev::wheel,
};

} // namespace

TEST(xirr_button_state, disabled_button_ignores_every_mouse_event)
{
    for (int hover : {0, 1}) {
        xirr_button_state b;
        b.set_button_state(button_disabled);
        b.hover = hover;
        for (ev e : all_events) {
            button_mouse_result r = b.handle_mouse(e);
            EXPECT_FALSE(r.click);
            EXPECT_FALSE(r.repaint);
            EXPECT_EQ(b.button_state, button_disabled);
            EXPECT_EQ(b.hover, hover);
        }
    }
}

TEST(xirr_button_state, momentary_press_clicks_once_on_the_press)
{
    xirr_button_state b;
    EXPECT_TRUE(b.handle_mouse(ev::enter).repaint);
    button_mouse_result down = b.handle_mouse(ev::left_down);
    EXPECT_TRUE(down.click);
    EXPECT_TRUE(down.repaint);
    EXPECT_EQ(b.chosen_image(true, true), slot_pressed_hover);
    EXPECT_EQ(b.chosen_image(true, false), slot_pressed);
    button_mouse_result up = b.handle_mouse(ev::left_up);
    EXPECT_FALSE(up.click);
    EXPECT_EQ(b.button_state, button_normal);
    // The pointer is still over the button, so the release shows hover.
    EXPECT_EQ(b.chosen_image(true, true), slot_hover);
    EXPECT_EQ(b.chosen_image(false, true), slot_normal);
}

TEST(xirr_button_state, leaving_a_held_button_releases_it_without_a_click)
{
    xirr_button_state b;
    b.handle_mouse(ev::enter);
    EXPECT_TRUE(b.handle_mouse(ev::left_down).click);
    button_mouse_result leave = b.handle_mouse(ev::leave);
    EXPECT_FALSE(leave.click);
    EXPECT_TRUE(leave.repaint);
    EXPECT_EQ(b.button_state, button_normal);
    EXPECT_EQ(b.hover, 0);
    EXPECT_FALSE(b.handle_mouse(ev::left_up).click);
}

TEST(xirr_button_state, momentary_mode_transitions)
{
    struct row {
        int from;
        ev event;
        int to;
        bool click;
    } rows[] = {
        {button_normal, ev::left_down, button_pressed, true},
        {button_normal, ev::right_down, button_normal, false},
        {button_normal, ev::middle_down, button_normal, false},
        {button_normal, ev::aux1_down, button_normal, false},
        {button_pressed, ev::left_down, button_pressed, true},  // a missed release
        {button_pressed, ev::right_down, button_pressed, false},
        {button_pressed, ev::left_up, button_normal, false},
        {button_pressed, ev::right_up, button_pressed, false},
        {button_pressed, ev::leave, button_normal, false},
        {button_pressed, ev::left_dclick, button_pressed, false},
        {button_normal, ev::wheel, button_normal, false},
    };
    for (const row &r : rows) {
        xirr_button_state b;
        b.set_button_state(r.from);
        button_mouse_result res = b.handle_mouse(r.event);
        EXPECT_EQ(b.button_state, r.to) << static_cast<int>(r.event);
        EXPECT_EQ(res.click, r.click) << static_cast<int>(r.event);
    }
}

TEST(xirr_button_state, toggle_flips_on_any_mouse_button)
{
    for (ev press : {ev::left_down, ev::middle_down, ev::right_down, ev::aux1_down, ev::aux2_down}) {
        xirr_button_state b;
        b.toggle_mode = 1;
        EXPECT_TRUE(b.handle_mouse(press).click);
        EXPECT_EQ(b.button_state, button_pressed);
        // Releases, double clicks and leaving change nothing in toggle mode.
        for (ev other : {ev::left_up, ev::right_up, ev::left_dclick, ev::leave, ev::motion})
            EXPECT_FALSE(b.handle_mouse(other).click);
        EXPECT_EQ(b.button_state, button_pressed);
        EXPECT_TRUE(b.handle_mouse(press).click);
        EXPECT_EQ(b.button_state, button_normal);
    }
}

TEST(xirr_button_state, set_enabled_clears_hover_until_the_next_enter)
{
    xirr_button_state b;
    b.handle_mouse(ev::enter);
    b.set_enabled(false);
    EXPECT_EQ(b.button_state, button_disabled);
    EXPECT_EQ(b.chosen_image(true, true), slot_disabled);
    b.set_enabled(true);
    EXPECT_EQ(b.button_state, button_normal);
    EXPECT_EQ(b.hover, 0);
    EXPECT_FALSE(b.handle_mouse(ev::motion).repaint);
    EXPECT_TRUE(b.handle_mouse(ev::enter).repaint);
    EXPECT_EQ(b.hover, 1);
}
