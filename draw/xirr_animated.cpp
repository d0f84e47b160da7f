#include "draw/xirr_animated.h"

#include "support/debug_log.h"

static xirr_animated *animation_head = nullptr;
// The panel the running tick will call next; a panel that leaves the list
// during the tick moves it on, so a callback may take off (or destroy) any
// panel, not only itself.
static xirr_animated *animation_cursor = nullptr;
// The panel whose callback is running; cleared if it leaves the list (or is
// destroyed) inside its own callback.
static xirr_animated *animation_current = nullptr;
static bool animation_running = false;

xirr_animated::~xirr_animated()
{
    stop_animation();
}

bool xirr_animated::animation_callback(int elapsed_ms)
{
    if (debug_level > 0)
        debug_log("Error in xirr_embedded_window::animation_callback(), this handler should never "
                  "be called.\n");
    return false;
}

void xirr_animated::start_animation()
{
    if (listed_)
        return;
    next_animated_ = animation_head;
    animation_head = this;
    listed_ = true;
}

void xirr_animated::stop_animation()
{
    if (!listed_)
        return;
    if (animation_cursor == this)
        animation_cursor = next_animated_;
    if (animation_current == this)
        animation_current = nullptr;
    for (xirr_animated **link = &animation_head; *link; link = &(*link)->next_animated_) {
        if (*link == this) {
            *link = next_animated_;
            break;
        }
    }
    next_animated_ = nullptr;
    listed_ = false;
}

void run_animations(int elapsed_ms)
{
    // A nested call (a callback running a tick itself) would lose the outer
    // cursor.
    if (animation_running)
        return;
    animation_running = true;
    xirr_animated *panel = animation_head;
    while (panel) {
        animation_cursor = panel->next_animated_;
        animation_current = panel;
        bool keep = panel->animation_callback(elapsed_ms);
        if (!keep && animation_current)
            animation_current->stop_animation();
        panel = animation_cursor;
    }
    animation_cursor = nullptr;
    animation_current = nullptr;
    animation_running = false;
}

int animation_list_length()
{
    int n = 0;
    for (xirr_animated *p = animation_head; p; p = p->next_animated_)
        n++;
    return n;
}
