#include "app/panel_layout.h"

#include <algorithm>

static panel_rect rect_at(int x, int y, int width, int height)
{
    panel_rect r;
    r.placed = true;
    r.x = x;
    r.y = y;
    r.width = std::max(width, 1);
    r.height = std::max(height, 1);
    return r;
}

int status_display_height(bool hpbar, bool exp_display, bool enemy_hpbar)
{
    if (hpbar && enemy_hpbar)
        return 42;
    if (hpbar || exp_display || enemy_hpbar)
        return 21;
    return 0;
}

// The direction pad and the hint column share a column at the right edge.
static void place_button_column(const panel_layout_input &in, panel_layout &out)
{
    if (!in.direction_buttons && !in.hint_buttons)
        return;
    out.right -= direction_pad_width + 4;
    int y = 2;
    if (in.direction_buttons) {
        out.direction_buttons = rect_at(out.right + 2, 2, direction_pad_width, direction_pad_height);
        y = 2 + direction_pad_height + 2;
    }
    if (in.hint_buttons)
        out.hint_buttons = rect_at(out.right + 2, y, direction_pad_width, in.height - y);
}

static void place_left_top(const panel_layout_input &in, panel_layout &out, int column)
{
    int y = 2;
    if (in.automap_docked_shown) {
        out.automap = rect_at(2, 2, column, in.automap_height);
        y = 2 + in.automap_height + 10;
    }
    if (in.group_display)
        out.group_display = rect_at(2, y, column, in.group_height);
}

static void place_left_bottom(const panel_layout_input &in, panel_layout &out, int column)
{
    int y = in.height - 2;
    if (in.automap_docked_shown) {
        y -= in.automap_height;
        out.automap = rect_at(2, y, column, in.automap_height);
        y -= 10;
    } else if (in.fkey_bar || in.popup_buttons) {
        y = in.height - bottom_bar_height - 2;
    }
    if (in.group_display) {
        y -= in.group_height;
        out.group_display = rect_at(2, y, column, in.group_height);
    }
}

// Layouts 1 and 2 keep the automap and the group display in a column at the
// left; layout 0 embeds them in the main output instead.
static void place_side_column(const panel_layout_input &in, panel_layout &out)
{
    if (in.current_layout != 1 && in.current_layout != 2)
        return;
    int column = in.automap_docked_shown ? in.automap_width : side_column_width;
    if (in.current_layout == 1)
        place_left_top(in, out, column);
    else
        place_left_bottom(in, out, column);
    if (in.automap_docked_shown)
        out.left = in.automap_width + 4;
    else if (in.group_display)
        out.left = side_column_width + 4;
}

panel_layout compute_panel_layout(const panel_layout_input &in)
{
    panel_layout out;
    int top = 0;
    int bottom = in.height;
    out.right = in.width;
    place_button_column(in, out);
    place_side_column(in, out);
    if (out.left >= out.right)
        out.right = out.left + 1;
    int left = out.left;
    int width = out.right - left;
    int x = left;
    if (in.fkey_bar || in.popup_buttons)
        bottom -= bottom_bar_height;
    if (in.fkey_bar) {
        out.fkey_bar = rect_at(x, bottom, fkey_bar_width, bottom_bar_height);
        x += fkey_bar_width;
    }
    if (in.popup_buttons)
        out.popup_buttons = rect_at(x, bottom, in.width - x, bottom_bar_height);
    if (in.status_bar) {
        bottom -= status_bar_height;
        out.status_bar = rect_at(left, bottom, width, status_bar_height);
    }
    bottom -= in.input_height;
    out.input = rect_at(left, bottom, width, in.input_height);
    int status_height = status_display_height(in.hpbar, in.exp_display, in.enemy_hpbar);
    if (status_height > 0) {
        bottom -= status_height;
        out.status_display = rect_at(left, bottom, width, status_height);
    }
    if (in.channel_window) {
        int h = std::max(1, (bottom - top) * in.channel_window_height / 100);
        out.channel_window = rect_at(left, top, width, h);
        top += h;
    }
    out.main_output = rect_at(left, top, width, bottom - top);
    return out;
}

logo_placement place_logo(int current_layout, int w, int h, int lw, int lh, int tw, int th)
{
    logo_placement p;
    int aw = std::max(lw, tw);
    int ah = th + lh - 5;
    int half = aw / 2;
    p.rect_width = aw;
    p.rect_height = ah;
    if (current_layout == 2) {
        p.logo_x = half - lw / 2;
        p.logo_y = 0;
        p.caption_x = half - tw / 2;
        p.caption_y = lh - 5;
        p.rect_x = 0;
        p.rect_y = 0;
    } else if (current_layout == 1) {
        p.logo_x = half - lw / 2;
        p.logo_y = h - lh - th + 10;
        p.caption_x = half - tw / 2;
        p.caption_y = h - th;
        p.rect_x = 0;
        p.rect_y = h - ah;
    } else {
        p.logo_x = w - half - lw / 2;
        p.logo_y = h - lh - th + 10;
        p.caption_x = w - half - tw / 2;
        p.caption_y = h - th;
        p.rect_x = w - aw;
        p.rect_y = h - ah;
    }
    return p;
}
