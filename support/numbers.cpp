#include "support/numbers.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

int parse_int(const char *text, int *value)
{
    if (!text)
        return 0;
    bool digit = *text >= '0' && *text <= '9';
    bool signed_digit = *text == '-' && text[1] >= '0' && text[1] <= '9';
    if (!digit && !signed_digit && *text != '+')
        return 0;
    // atoi with the overflow clamped instead of undefined.
    long v = std::strtol(text, nullptr, 10);
    if (v > INT_MAX)
        v = INT_MAX;
    if (v < INT_MIN)
        v = INT_MIN;
    if (value)
        *value = static_cast<int>(v);
    return 1;
}

int angle_of(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return 90;
    double ratio = std::fabs(static_cast<double>(dy) / (dx + 0.001));
    int x = static_cast<int>(std::floor(std::atan(ratio) * 360.0 / 6.2832 + 0.5));
    int result;
    if (dx >= 0 && dy >= 0)
        result = x;
    else if (dx < 0 && dy < 0)
        result = x - 180;
    else if (dx < 0)
        result = 180 - x;
    else
        result = -x;
    while (result < 0)
        result += 360;
    while (result > 360)
        result -= 360;
    return result;
}
