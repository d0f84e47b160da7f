#ifndef SKIFF_DRAW_XIRR_ANIMATED_H
#define SKIFF_DRAW_XIRR_ANIMATED_H

// A member of the process-wide animation list, which the main frame's 20 ms
// timer runs with run_animations(20).  Every xirr_embedded_window is one; the
// list is toolkit-free so it can be driven without a display.
//
// A panel joins with start_animation() and leaves by returning false from
// animation_callback() (or with stop_animation()).  Destroying a listed
// panel takes it off the list, even in the middle of a tick, so the list
// never keeps a destroyed panel.  GUI thread only; no lock.
class xirr_animated {
public:
    xirr_animated() = default;
    virtual ~xirr_animated();
    xirr_animated(const xirr_animated &) = delete;
    xirr_animated &operator=(const xirr_animated &) = delete;

    // One tick of elapsed_ms milliseconds; true stays on the list.  A panel
    // that joins the list must override this: the base version logs an error
    // (debug level 1 or above) and returns false.
    virtual bool animation_callback(int elapsed_ms);

    // Puts this panel at the front of the list unless it is already on it.
    void start_animation();
    // Takes this panel off the list if it is there.
    void stop_animation();
    bool is_animating() const { return listed_; }

private:
    friend void run_animations(int elapsed_ms);
    friend int animation_list_length();
    xirr_animated *next_animated_ = nullptr;
    bool listed_ = false;
};

// One tick for every listed panel, from the head: each panel's successor is
// fetched before its callback runs, and a panel whose callback returns false
// leaves the list.  Panels started during the tick run from the next tick.
void run_animations(int elapsed_ms);

// The number of listed panels (for tests and diagnostics).
int animation_list_length();

#endif
