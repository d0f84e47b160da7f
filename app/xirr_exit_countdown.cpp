#include "app/xirr_exit_countdown.h"

#include "support/debug_log.h"

void xirr_exit_countdown::request()
{
    if (debug_level > 1)
        debug_log("xirr_mw system_shutdown_handler.\n");
    value_ = 10;
}

xirr_exit_countdown::step_result xirr_exit_countdown::step()
{
    if (value_ <= 0)
        return nothing;
    value_--;
    if (value_ == 0) {
        if (debug_level > 1)
            debug_log("xirr_mw::shutdown - exit forced.\n");
        return exit_forced;
    }
    if (value_ == 1) {
        if (debug_level > 1)
            debug_log("xirr_mw::shutdown - requested exit\n");
        return close_now;
    }
    return nothing;
}
