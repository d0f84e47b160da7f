#include "support/xirr_random.h"

static uint32_t lcg_step(uint32_t a)
{
    return a * 1664525u + 1013904223u;
}

void xirr_random::init()
{
    uint32_t a = 123456789u;
    for (int i = 0; i < 8; i++) {
        saved_lags_[i] = lags_[i] = a;
        a = lcg_step(a);
    }
    saved_carry_ = carry_ = 362436u;
    saved_index_ = index_ = 0;
}

void xirr_random::restore()
{
    for (int i = 0; i < 8; i++)
        lags_[i] = saved_lags_[i];
    index_ = saved_index_;
    carry_ = saved_carry_;
}

void xirr_random::mix(uint32_t seed)
{
    uint32_t b = seed;
    for (int i = 0; i < 8; i++) {
        b = lcg_step(b);
        lags_[i] ^= b;
    }
    for (int i = 0; i < 8; i++)
        next();
}

uint32_t xirr_random::next()
{
    uint64_t t = static_cast<uint64_t>(lags_[index_]) * 809430660u + carry_;
    carry_ = static_cast<uint32_t>(t >> 32);
    lags_[index_] = static_cast<uint32_t>(t);
    uint32_t result = lags_[index_];
    index_ = (index_ + 1) & 7;
    return result;
}

double xirr_random::next_float()
{
    return (next() >> 1) / 2147483648.0;
}

int xirr_random::next_below(int n)
{
    if (n <= 0)
        return 0;
    return static_cast<int>((static_cast<uint64_t>(n) * (next() & 65535u)) >> 16);
}
