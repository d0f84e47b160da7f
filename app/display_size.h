#ifndef SKIFF_APP_DISPLAY_SIZE_H
#define SKIFF_APP_DISPLAY_SIZE_H

// The work area of the display that shows the main frame; popup windows are
// kept inside it.  Main thread only.
extern int display_width;
extern int display_height;

// Stores the size read from the toolkit at start-up; a width or height
// below 1 is logged and replaced by 640 or 480.
void set_display_size(int width, int height);

#endif
