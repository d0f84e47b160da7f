#include "input/xirr_input_settings.h"

namespace {
// Defaults of a fresh character.
int values[] = {1, 0, 0, 48, 25, 1, 1, 1, 1, 0, 1, 1};
}

int input_setting(xirr_input_setting setting)
{
    return values[static_cast<int>(setting)];
}

void store_input_setting(xirr_input_setting setting, int value)
{
    values[static_cast<int>(setting)] = value;
}
