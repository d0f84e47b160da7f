#include "draw/xirr_transparent_window.h"

void xirr_transparent_window::set_rect(int x, int y, int width, int height)
{
    this->x = x;
    this->y = y;
    this->width = width;
    this->height = height;
    layout();
}

void xirr_transparent_window::set_visible(bool visible)
{
    this->visible = visible ? 1 : 0;
    show_children(visible);
}
