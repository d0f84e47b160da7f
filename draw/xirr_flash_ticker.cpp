#include "draw/xirr_flash_ticker.h"

#include <climits>

void xirr_flash_ticker::start(int steps, int step_ms)
{
    shown_step_ = 0;
    steps_left_ = steps;
    accumulated_ms_ = 0;
    step_ms_ = step_ms;
}

void xirr_flash_ticker::advance(int ms)
{
    long long sum = (long long)accumulated_ms_ + ms;
    if (sum < step_ms_) {
        accumulated_ms_ = sum < INT_MIN ? INT_MIN : (int)sum;
        return;
    }
    sum -= step_ms_;
    if (ms >= step_ms_)
        sum = 0;
    accumulated_ms_ = sum > INT_MAX ? INT_MAX : (int)sum;
    if (steps_left_ > 0)
        steps_left_--;
}

bool xirr_flash_ticker::take_change()
{
    if (shown_step_ == steps_left_)
        return false;
    shown_step_ = steps_left_;
    return true;
}
