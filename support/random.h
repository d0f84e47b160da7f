#ifndef SKIFF_SUPPORT_RANDOM_H
#define SKIFF_SUPPORT_RANDOM_H

#include <cstdint>

// The program's two pseudo-random generators.  Main thread only.
//
// The program's generator: seeded once at start-up with the time, then used
// for raw, float and bounded draws.
void random_seed(uint32_t seed);
uint32_t random_raw();
double random_float();   // [0, 1)
int random_below(int n); // 0 .. n - 1 (n up to 65536)

// The repeatable generator for drawing that must look the same every time
// (the background pattern): repeatable_start(seed) resets it to its initial
// state and mixes in the seed, so the draws that follow depend only on seed.
void repeatable_start(uint32_t seed);
uint32_t repeatable_raw();

#endif
