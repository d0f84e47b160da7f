#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "draw/xirr_animated.h"
#include "draw/xirr_flash_ticker.h"
#include "draw/xirr_transparent_window.h"
#include "support/debug_log.h"

TEST(xirr_flash_ticker, starts_with_the_standard_blink_or_given_steps)
{
    xirr_flash_ticker t;
    EXPECT_EQ(t.steps_left(), 0);
    EXPECT_EQ(t.step_ms(), 200);
    EXPECT_FALSE(t.take_change());
    t.start();
    EXPECT_EQ(t.steps_left(), 16);
    EXPECT_EQ(t.step_ms(), 200);
    EXPECT_EQ(t.shown_step(), 0);
    t.start(15, 15);
    EXPECT_EQ(t.steps_left(), 15);
    EXPECT_TRUE(t.steps_left_odd());
    EXPECT_EQ(t.step_ms(), 15);
}

TEST(xirr_flash_ticker, advances_at_most_one_step_per_call)
{
    struct { int step_ms; std::vector<int> ms; std::vector<int> left_after; std::vector<int> acc_after; }
        cases[] = {
            // 20 ms ticks, 200 ms steps: one step every 10 ticks.
            {200, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20},
             {16, 16, 16, 16, 16, 16, 16, 16, 16, 15, 15}, {20, 40, 60, 80, 100, 120, 140, 160, 180, 0, 20}},
            // A late tick longer than a step still consumes one step and
            // restarts the accumulator.
            {200, {150, 1000, 20}, {16, 15, 15}, {150, 0, 20}},
            // An overshoot carries over.
            {200, {150, 100, 150}, {16, 15, 14}, {150, 50, 0}},
            // 15 ms steps at 20 ms ticks: one step per tick, accumulator 0.
            {15, {20, 20, 20}, {15, 14, 13}, {0, 0, 0}},
        };
    for (const auto &c : cases) {
        xirr_flash_ticker t;
        t.start(16, c.step_ms);
        for (size_t i = 0; i < c.ms.size(); i++) {
            t.advance(c.ms[i]);
            EXPECT_EQ(t.steps_left(), c.left_after[i]) << c.step_ms << " call " << i;
            EXPECT_EQ(t.accumulated_ms(), c.acc_after[i]) << c.step_ms << " call " << i;
        }
    }
}

TEST(xirr_flash_ticker, take_change_reports_each_step_once_and_the_blink_ends)
{
    xirr_flash_ticker t;
    t.start();
    EXPECT_TRUE(t.take_change());  // 0 -> 16: redraw at once
    EXPECT_FALSE(t.take_change());
    int changes = 0, ticks = 0;
    while (t.steps_left() > 0 && ticks < 1000) {
        t.advance(20);
        ticks++;
        if (t.take_change())
            changes++;
    }
    EXPECT_EQ(ticks, 160);  // 3.2 s at 20 ms
    EXPECT_EQ(changes, 16);
    EXPECT_FALSE(t.steps_left_odd());
    t.advance(5000);
    EXPECT_EQ(t.steps_left(), 0);
    EXPECT_FALSE(t.take_change());
}

namespace {

std::vector<std::string> calls;

class probe : public xirr_animated {
public:
    explicit probe(std::string name, std::function<bool(probe &)> on_tick = nullptr)
        : name(std::move(name)), on_tick(std::move(on_tick))
    {
    }
    bool animation_callback(int elapsed_ms) override
    {
        calls.push_back(name + ":" + std::to_string(elapsed_ms));
        return on_tick ? on_tick(*this) : true;
    }
    std::string name;
    std::function<bool(probe &)> on_tick;
};

std::string joined()
{
    std::string s;
    for (const std::string &c : calls)
        s += c + " ";
    calls.clear();
    return s;
}

}  // namespace

TEST(xirr_animation_list, newest_first_and_never_twice)
{
    calls.clear();
    probe a("a"), b("b");
    a.start_animation();
    b.start_animation();
    a.start_animation();
    EXPECT_EQ(animation_list_length(), 2);
    run_animations(20);
    EXPECT_EQ(joined(), "b:20 a:20 ");
    b.stop_animation();
    b.stop_animation();
    run_animations(20);
    EXPECT_EQ(joined(), "a:20 ");
    a.stop_animation();
    EXPECT_EQ(animation_list_length(), 0);
}

TEST(xirr_animation_list, a_panel_returning_false_leaves_and_the_others_still_run)
{
    calls.clear();
    probe a("a"), b("b", [](probe &) { return false; }), c("c");
    a.start_animation();
    b.start_animation();
    c.start_animation();
    run_animations(20);
    EXPECT_EQ(joined(), "c:20 b:20 a:20 ");
    EXPECT_FALSE(b.is_animating());
    run_animations(20);
    EXPECT_EQ(joined(), "c:20 a:20 ");
    a.stop_animation();
    c.stop_animation();
}

TEST(xirr_animation_list, callbacks_may_remove_or_destroy_panels_during_a_tick)
{
    calls.clear();
    probe *victim = new probe("victim");
    probe late("late");
    probe last("last");
    probe self("self", [](probe &p) {
        p.stop_animation();
        return true;
    });
    probe killer("killer", [&](probe &) {
        delete victim;  // the tick's next panel
        victim = nullptr;
        return true;
    });
    probe starter("starter", [&](probe &) {
        late.start_animation();  // joins at the front: runs from the next tick
        return false;
    });
    last.start_animation();
    self.start_animation();
    victim->start_animation();
    killer.start_animation();
    starter.start_animation();
    run_animations(20);
    EXPECT_EQ(joined(), "starter:20 killer:20 self:20 last:20 ");
    run_animations(40);
    EXPECT_EQ(joined(), "late:40 killer:40 last:40 ");
    killer.stop_animation();
    last.stop_animation();
    run_animations(20);
    EXPECT_EQ(joined(), "late:20 ");
    late.stop_animation();
}

TEST(xirr_animation_list, destroying_a_listed_panel_takes_it_off)
{
    calls.clear();
    int before = animation_list_length();
    {
        probe a("a");
        a.start_animation();
        EXPECT_EQ(animation_list_length(), before + 1);
    }
    EXPECT_EQ(animation_list_length(), before);
    run_animations(20);
}

TEST(xirr_animation_list, the_base_callback_logs_and_leaves)
{
    struct plain : xirr_animated {
    } p;
    p.start_animation();
    testing::internal::CaptureStdout();
    run_animations(20);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Error in xirr_embedded_window::animation_callback(), this handler should never be "
              "called.\n");
    EXPECT_FALSE(p.is_animating());
}

namespace {

class probe_bar : public xirr_transparent_window {
public:
    probe_bar() : xirr_transparent_window(nullptr) {}
    void show_children(bool show) override { log += show ? "show " : "hide "; }
    void layout() override
    {
        log += "layout " + std::to_string(x) + "," + std::to_string(y) + " " +
               std::to_string(width) + "x" + std::to_string(height) + " ";
    }
    void restyle_buttons() override {}
    std::string log;
};

}  // namespace

TEST(xirr_transparent_window, stores_geometry_and_visibility_before_acting)
{
    probe_bar bar;
    EXPECT_EQ(bar.get_width(), 10);
    EXPECT_EQ(bar.get_height(), 10);
    EXPECT_TRUE(bar.is_visible());
    bar.set_rect(3, 4, 50, 20);
    bar.set_visible(false);
    bar.set_visible(true);
    EXPECT_EQ(bar.log, "layout 3,4 50x20 hide show ");
    EXPECT_EQ(bar.get_x(), 3);
}
