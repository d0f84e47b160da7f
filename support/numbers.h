#ifndef SKIFF_SUPPORT_NUMBERS_H
#define SKIFF_SUPPORT_NUMBERS_H

// Number tests and small arithmetic.  Any thread.

// 1 when text is a number (it begins with a digit, with '+', or with '-'
// followed by a digit); *value then gets its atoi value, clamped to the int
// range.  Otherwise 0 and *value is untouched.  A null text gives 0.
int parse_int(const char *text, int *value);

// The direction of (dx, dy) in whole degrees, 0 to 360 (the automap's
// compass: (1, 0) is 0, (0, 1) is 90, (-1, 0) is 180, (0, -1) is 270).
// (0, 0) gives 90.
int angle_of(int dx, int dy);

#endif
