#include "input/xirr_input_frame.h"

void paint_input_frame(xirr_bitmap &surface, const xirr_flash_ticker &ticker)
{
    int width = surface.GetWidth();
    int height = surface.GetHeight();
    const rgb_color black(0, 0, 0);
    surface.Clear(black);
    int edges = xirr_bitmap::edge_top | xirr_bitmap::edge_right | xirr_bitmap::edge_bottom |
                xirr_bitmap::edge_left;
    if (ticker.steps_left() > 0) {
        const rgb_color blink = ticker.steps_left_odd() ? rgb_color(255, 255, 255) : black;
        surface.DrawEdgeLines(width, height, edges, &blink);
    } else {
        surface.DrawEdgeLines(width, height, edges);
    }
}
