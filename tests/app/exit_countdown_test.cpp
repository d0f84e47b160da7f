#include <gtest/gtest.h>

#include "app/xirr_exit_countdown.h"
#include "tests/common/log_tail.h"

TEST(xirr_exit_countdown, closes_on_the_ninth_tick_and_forces_on_the_tenth)
{
    xirr_exit_countdown countdown;
    EXPECT_EQ(countdown.step(), xirr_exit_countdown::nothing);  // nothing pending
    EXPECT_EQ(countdown.value(), 0);
    log_tail log;
    countdown.request();
    EXPECT_EQ(countdown.value(), 10);
    for (int tick = 1; tick <= 8; tick++)
        EXPECT_EQ(countdown.step(), xirr_exit_countdown::nothing) << tick;
    EXPECT_EQ(countdown.step(), xirr_exit_countdown::close_now);
    EXPECT_EQ(countdown.value(), 1);
    EXPECT_EQ(countdown.step(), xirr_exit_countdown::exit_forced);
    EXPECT_EQ(countdown.value(), 0);
    EXPECT_EQ(log.text(), "xirr_mw system_shutdown_handler.\n"
                          "xirr_mw::shutdown - requested exit\n"
                          "xirr_mw::shutdown - exit forced.\n");
}
