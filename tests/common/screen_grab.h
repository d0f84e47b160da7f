#ifndef SKIFF_TESTS_COMMON_SCREEN_GRAB_H
#define SKIFF_TESTS_COMMON_SCREEN_GRAB_H

#include <vector>

// Reads what the X server of $DISPLAY shows in a rectangle of the root
// window (screen coordinates), as tightly packed RGB bytes, through
// ImageMagick's `import`.  In-process grabs through the toolkit's screen
// context go stale after the first one under GTK3, so GUI tests read the
// screen from outside.  False when the grab failed.
bool grab_screen(int x, int y, int width, int height, std::vector<unsigned char> &rgb);

#endif
