#ifndef SKIFF_SUPPORT_XIRR_RANDOM_H
#define SKIFF_SUPPORT_XIRR_RANDOM_H

#include <cstdint>

// A lag-8 multiply-with-carry pseudo-random generator.  From the initial
// state the first draws are 3206204568, 4161915722, 2486896948.  The initial
// state is also saved, so restore() + mix(seed) replays the same sequence for
// the same seed.  Not thread-safe: each object belongs to one thread.
class xirr_random {
public:
    xirr_random() { init(); }

    // The fixed initial state (saved and working).
    void init();
    // Back to the saved state.
    void restore();
    // Stirs a seed into the working lags, then draws eight times.
    void mix(uint32_t seed);

    // The next raw 32-bit draw.
    uint32_t next();
    // A draw in [0, 1).
    double next_float();
    // A draw in 0 .. n - 1 (n up to 65536; 0 for n <= 0).
    int next_below(int n);

private:
    uint32_t index_;
    uint32_t saved_index_;
    uint32_t saved_lags_[8];
    uint32_t lags_[8];
    uint32_t saved_carry_;
    uint32_t carry_;
};

#endif
