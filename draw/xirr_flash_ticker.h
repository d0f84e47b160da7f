#ifndef SKIFF_DRAW_XIRR_FLASH_TICKER_H
#define SKIFF_DRAW_XIRR_FLASH_TICKER_H

// The blink counter of a panel: a number of steps counted down by elapsed
// time, and the step last shown, so the panel redraws once per step.
//
// A blinking panel starts the ticker, calls start_animation() and redraws at
// once when take_change() says so; its animation_callback advances the ticker
// by the elapsed time, redraws when take_change() says so, and stays on the
// animation list while steps_left() is above 0.  Its repaint chooses between
// the two blink colours by steps_left_odd().  GUI thread only.
class xirr_flash_ticker {
public:
    // Steps and step length of the standard blink: 3.2 seconds.
    static const int blink_steps = 16;
    static const int blink_step_ms = 200;

    // The standard blink: 16 steps of 200 ms.
    void start() { start(blink_steps, blink_step_ms); }
    // `steps` steps of `step_ms` milliseconds each.
    void start(int steps, int step_ms);

    // Adds elapsed milliseconds; consumes at most one step per call.  The
    // accumulator restarts at 0 when ms alone was a whole step.  Steps left
    // never go below 0.
    void advance(int ms);
    // True (once) when steps left differ from the step last shown.
    bool take_change();

    int steps_left() const { return steps_left_; }
    bool steps_left_odd() const { return (steps_left_ & 1) != 0; }
    int shown_step() const { return shown_step_; }
    int accumulated_ms() const { return accumulated_ms_; }
    int step_ms() const { return step_ms_; }

private:
    int shown_step_ = 0;
    int steps_left_ = 0;
    int accumulated_ms_ = 0;
    int step_ms_ = 200;
};

#endif
