#include "tests/common/screen_grab.h"

#include <cstdio>

bool grab_screen(int x, int y, int width, int height, std::vector<unsigned char> &rgb)
{
    if (width <= 0 || height <= 0 || x < 0 || y < 0)
        return false;
    char cmd[200];
    snprintf(cmd, sizeof cmd, "import -window root -crop %dx%d+%d+%d -depth 8 rgb:- 2>/dev/null",
             width, height, x, y);
    FILE *f = popen(cmd, "r");
    if (!f)
        return false;
    rgb.assign((size_t)width * height * 3, 0);
    size_t got = fread(rgb.data(), 1, rgb.size(), f);
    int rc = pclose(f);
    return rc == 0 && got == rgb.size();
}
