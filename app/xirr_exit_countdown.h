#ifndef SKIFF_APP_XIRR_EXIT_COUNTDOWN_H
#define SKIFF_APP_XIRR_EXIT_COUNTDOWN_H

// The orderly exit: a quit request starts a countdown of ten ticks of the
// main frame's 20 ms timer.  When one tick is left the frame saves and closes
// itself; should the process still run a tick later, it exits by force.
// Main thread only.
class xirr_exit_countdown {
public:
    enum step_result {
        nothing,      // no exit pending, or still counting
        close_now,    // countdown at 1: release audio, close popups, save, destroy the frame
        exit_forced,  // countdown at 0: end the process now with status 0
    };

    // system_shutdown_handler: (re)starts the countdown at 10.
    void request();
    // The last step of every timer tick.
    step_result step();

    // Ticks left; 0 when no exit is pending.
    int value() const { return value_; }

private:
    int value_ = 0;
};

#endif
