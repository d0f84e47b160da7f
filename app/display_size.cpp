#include "app/display_size.h"

#include "support/debug_log.h"

int display_width = 640;
int display_height = 480;

void set_display_size(int width, int height)
{
    if (width < 1) {
        if (debug_level > 0)
            debug_log("Error in OnInit(), got bogus screen/display xsize of %d.  Setting to 640.\n", width);
        width = 640;
    }
    if (height < 1) {
        if (debug_level > 0)
            debug_log("Error in OnInit(), got bogus screen/display ysize of %d.  Setting to 480.\n", height);
        height = 480;
    }
    display_width = width;
    display_height = height;
    if (debug_level > 1)
        debug_log("OnInit(), got screen/display size of %d, %d.\n", width, height);
}
