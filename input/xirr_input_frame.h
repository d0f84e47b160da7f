#ifndef SKIFF_INPUT_XIRR_INPUT_FRAME_H
#define SKIFF_INPUT_XIRR_INPUT_FRAME_H

#include "draw/xirr_bitmap.h"
#include "draw/xirr_flash_ticker.h"

// The input panel's picture: black, with a thin frame of white lines (the
// second column of the left edge grey) that blinks white and black while
// the ticker has steps left.  The line edit covers the inside.
void paint_input_frame(xirr_bitmap &surface, const xirr_flash_ticker &ticker);

#endif
