#include "text/xirr_channel_looks.h"

#include <cstring>
#include <initializer_list>

#include "draw/xirr_bitmap.h"
#include "draw/xirr_glyph_font.h"
#include "text/xirr_channel_model.h"

namespace {

struct tab_colors {
    rgb_color face, label, edge;
};

tab_colors colors_of_look(int look, const button_theme &t)
{
    switch (look) {
    case tab_look_current:
        return {t[theme_lit_face], t[theme_lit_label], color_white};
    case tab_look_new_text:
        return {t[theme_unlit_face], color_red, color_grey128};
    default:
        return {t[theme_disabled_face], color_grey192, color_grey128};
    }
}

// A label cut to what fits in width, centred there.
void draw_label(xirr_bitmap &s, const char *label, int width, const xirr_glyph_font &font,
                const rgb_color &ink)
{
    if (!label)
        label = "";
    int n = fitting_count(font, label, width);
    char copy[255];
    int len = 0;
    while (len < n && len < 254 && label[len])
        len++;
    std::memcpy(copy, label, len);
    copy[len] = 0;
    int tw = 0, th = 0;
    glyph_text_extent(&font, copy, &tw, &th);
    int x = width / 2 - tw / 2;
    int y = s.GetHeight() / 2 - th / 2;
    s.DrawTextTransparent(font, copy, x > 0 ? x : 0, y > 0 ? y : 0, ink);
}

void create_all(button_image_set &out, int width, int height)
{
    for (xirr_bitmap *b : {&out.normal, &out.hover, &out.pressed, &out.pressed_hover, &out.disabled})
        b->Create(width < 1 ? 1 : width, height < 1 ? 1 : height);
}

// A horizontal run of pixels from x1 to x2 (nothing when x1 > x2).
void run(xirr_bitmap &s, int x1, int x2, int y, const rgb_color &c)
{
    if (x1 <= x2)
        s.DrawLine(x1, y, x2, y, c);
}

} // namespace

void draw_channel_tab(xirr_bitmap &s, int look, const char *label, int label_width,
                      const button_theme &t, const xirr_glyph_font &font)
{
    tab_colors c = colors_of_look(look, t);
    int w = s.GetWidth(), h = s.GetHeight();
    // Flat, so nothing closes the tab's bottom edge.
    s.Clear(c.face);
    s.DrawLine(0, 0, 0, h - 1, c.edge);
    s.DrawLine(1, 0, 1, h - 1, c.edge);
    s.DrawLine(w - 1, 0, w - 1, h - 1, c.edge);
    s.DrawLine(w - 2, 0, w - 2, h - 1, c.edge);
    s.DrawLine(0, 0, w - 1, 0, c.edge);
    draw_label(s, label, label_width < 1 ? 1 : label_width, font, c.label);
}

void build_channel_tab_images(int width, int height, const char *label, int label_width,
                              const button_theme &t, const xirr_glyph_font &font,
                              button_image_set &out)
{
    create_all(out, width, height);
    draw_channel_tab(out.normal, tab_look_current, label, label_width, t, font);
    out.hover = out.normal;
    draw_channel_tab(out.pressed, tab_look_new_text, label, label_width, t, font);
    out.pressed_hover = out.pressed;
    draw_channel_tab(out.disabled, tab_look_plain, label, label_width, t, font);
}

void draw_channel_page_square(xirr_bitmap &s, int look, const button_theme &t)
{
    tab_colors c = colors_of_look(look, t);
    int w = s.GetWidth(), h = s.GetHeight();
    s.Clear(c.face);
    s.DrawRoundedFrame(c.edge, w, h);
    if (look == tab_look_current)
        s.DrawLine(2, 2, w - 3, h - 3, color_white);
    else
        s.DrawLine(2, h - 3, w - 3, 2, color_grey192);
}

void build_channel_page_images(int width, int height, const button_theme &t,
                               button_image_set &out)
{
    create_all(out, width, height);
    draw_channel_page_square(out.normal, tab_look_current, t);
    out.hover = out.normal;
    draw_channel_page_square(out.pressed, tab_look_new_text, t);
    out.pressed_hover = out.pressed;
    draw_channel_page_square(out.disabled, tab_look_plain, t);
}

void cut_channel_frame_gap(xirr_bitmap &s, int W, int H, int t, int b)
{
    // Too small for a frame with a top edge of its own.
    if (W < 4 || H < 4 || b < 1)
        return;
    rgb_color inner = s.GetPixel(1, 1);
    rgb_color outer = s.GetPixel(0, 0);
    run(s, 0, W - 1, 0, color_black);
    run(s, 0, W - 1, 1, color_black);
    // Inner top line in two pieces, and where the inner sides meet it.
    run(s, 1, t + 1 < W - 1 ? t + 1 : W - 1, 1, inner);
    run(s, t + b - 1 > 1 ? t + b - 1 : 1, W - 1, 1, inner);
    s.SetPixel(1, 1, inner);
    s.SetPixel(W - 2, 1, inner);
    // Outer top line, then the outer sides over both rows.
    run(s, 0, t + 2 < W ? t + 2 : W, 0, outer);
    run(s, t + b - 2 > 0 ? t + b - 2 : 0, W, 0, outer);
    for (int y = 0; y < 2; y++) {
        s.SetPixel(0, y, outer);
        s.SetPixel(W - 1, y, outer);
    }
}
