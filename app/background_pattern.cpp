#include "app/background_pattern.h"

#include <algorithm>
#include <cstdint>

#include "draw/rgb_color.h"
#include "draw/xirr_bitmap.h"
#include "support/random.h"

static int round_past_256(int v)
{
    return (v & ~255) + 256;
}

bool background_needs_rebuild(const background_record &old, int w, int h, int style, int theme,
                              bool force, int *new_width, int *new_height)
{
    bool keep = !force && old.exists && old.width >= w && old.height >= h && old.style == style &&
                old.theme == theme;
    if (keep)
        return false;
    *new_width = round_past_256(std::max(w, old.width));
    *new_height = round_past_256(std::max(h, old.height));
    return true;
}

// Maze1, Maze2 and Maze3: one short line per 5 x 5 cell.
static void draw_maze(xirr_bitmap &surface, int style, const rgb_color &c0, const rgb_color &c1)
{
    surface.Clear(color_black);
    for (int y = 0; y < surface.GetHeight(); y += 5) {
        repeatable_start(static_cast<uint32_t>(y));
        for (int x = 0; x < surface.GetWidth(); x += 5) {
            uint32_t r = repeatable_raw();
            if (style == 5) {
                const rgb_color &c = (r & 2) ? c1 : c0;
                if (r & 1)
                    surface.DrawLine(x, y, x + 5, y + 5, c);
                else
                    surface.DrawLine(x + 5, y, x, y + 5, c);
                continue;
            }
            const rgb_color &c = (style == 2 || (r & 0x1C)) ? c1 : c0;
            static const int dx[4] = {5, 0, -5, 0};
            static const int dy[4] = {0, 5, 0, -5};
            surface.DrawLine(x, y, x + dx[r & 3], y + dy[r & 3], c);
        }
    }
}

// Bubbles: four passes of rings, the last passes on top.
static void draw_bubbles(xirr_bitmap &surface, const rgb_color &c0, const rgb_color &c1,
                         const rgb_color &c2)
{
    const rgb_color *pass_colors[4] = {&c2, &c2, &c1, &c0};
    surface.Clear(color_black);
    for (uint32_t p = 0; p < 4; p++) {
        for (int y = 0; y < surface.GetHeight(); y += 16) {
            repeatable_start((static_cast<uint32_t>(y) + 137) * (p + 1234567));
            for (int x = -16; x < surface.GetWidth(); x += 16) {
                int a = static_cast<int>(repeatable_raw() & 15);
                int b = static_cast<int>(repeatable_raw() & 15);
                int s = static_cast<int>((repeatable_raw() >> 2) & 3);
                surface.DrawFilledCircle(x + a, y + b, s + 2, *pass_colors[p]);
                surface.DrawFilledCircle(x + a, y + b, s + 1, color_black);
            }
        }
    }
}

void draw_background_pattern(xirr_bitmap &surface, int style, const rgb_color &c0,
                             const rgb_color &c1, const rgb_color &c2)
{
    if (!surface.IsOk())
        return;
    switch (style) {
    case 0:
        surface.Clear(color_black);
        break;
    case 1:
        surface.Clear(c2);
        break;
    case 4:
        draw_bubbles(surface, c0, c1, c2);
        break;
    case 2:
    case 5:
        draw_maze(surface, style, c0, c1);
        break;
    default:
        draw_maze(surface, 3, c0, c1);
        break;
    }
}
