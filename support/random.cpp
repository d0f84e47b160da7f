#include "support/random.h"

#include "support/xirr_random.h"

static xirr_random program_generator;
static xirr_random repeatable_generator;

void random_seed(uint32_t seed)
{
    program_generator.mix(seed);
}

uint32_t random_raw()
{
    return program_generator.next();
}

double random_float()
{
    return program_generator.next_float();
}

int random_below(int n)
{
    return program_generator.next_below(n);
}

void repeatable_start(uint32_t seed)
{
    repeatable_generator.restore();
    repeatable_generator.mix(seed);
}

uint32_t repeatable_raw()
{
    return repeatable_generator.next();
}
