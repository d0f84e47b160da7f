#ifndef SKIFF_TEXT_XIRR_COLOR_FLASH_H
#define SKIFF_TEXT_XIRR_COLOR_FLASH_H

#include <cstddef>
#include <vector>

#include "draw/rgb_color.h"

// The colour flashes the server asks a text view for: each blends the
// view's background from a start colour through a chain of target colours,
// one step per animation tick.  Main thread only.
class xirr_color_flash {
public:
    // The server can ask for flashes faster than they run out; beyond this
    // many at once the oldest is dropped, so memory and the work per tick
    // stay bounded.
    static constexpr size_t max_flashes = 64;

    // Adds a flash from "START TARGET DURATION [TARGET DURATION]..." (hex
    // RRGGBB colours, durations in ticks).  Returns the ticks it takes (at
    // least 1), or -1 when the first duration is bad and nothing was added.
    int parse(const char *arguments);
    // One step of every flash: the brightest channel over the active ones,
    // or `base` when none is left.
    rgb_color blend(const rgb_color &base);
    bool empty() const { return flashes_.empty(); }
    size_t count() const { return flashes_.size(); }

    // RRGGBB at the start of text (which must hold more than 5 characters);
    // black when it does not.
    static rgb_color GetColorFromHexString(const char *text);

private:
    struct segment {
        rgb_color target;
        int duration;
        int elapsed;
    };
    struct record {
        rgb_color start;
        std::vector<segment> segments;
        size_t current;
    };

    std::vector<record> flashes_;  // newest first
};

#endif
