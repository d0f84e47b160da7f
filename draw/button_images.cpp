#include "draw/button_images.h"

#include <cstring>
#include <initializer_list>

#include "draw/xirr_glyph_font.h"

rgb_color bevel_dark_color(const rgb_color &face)
{
    return rgb_color(face.red / 2, face.green / 2, face.blue / 2);
}

static int light_channel(int c)
{
    int v = (3 * c + 96) / 2;
    return v > 255 ? 255 : v;
}

rgb_color bevel_light_color(const rgb_color &face)
{
    return rgb_color(light_channel(face.red), light_channel(face.green), light_channel(face.blue));
}

void paint_face(xirr_bitmap &surface, const rgb_color &face, int style)
{
    surface.Clear(face);
    if (style == bevel_flat)
        return;
    int w = surface.GetWidth();
    int h = surface.GetHeight();
    rgb_color light = bevel_light_color(face);
    rgb_color dark = bevel_dark_color(face);
    const rgb_color &first = style == bevel_raised ? light : dark;
    const rgb_color &second = style == bevel_raised ? dark : light;
    surface.DrawLine(0, 1, 0, h - 1, first);
    surface.DrawLine(1, 1, 1, h - 2, first);
    surface.DrawLine(1, 0, w - 1, 0, first);
    surface.DrawLine(1, 1, w - 2, 1, first);
    // The second group goes over the first, so it owns (w-1, h-1).
    surface.DrawLine(w - 1, 1, w - 1, h - 1, second);
    surface.DrawLine(w - 2, 2, w - 2, h - 2, second);
    surface.DrawLine(1, h - 1, w - 1, h - 1, second);
    surface.DrawLine(2, h - 2, w - 2, h - 2, second);
}

int fitting_count(const xirr_glyph_font &font, const char *text, int width)
{
    if (!text || !text[0])
        return 1;
    // Widths add up glyph by glyph (codes above 127 as their low seven
    // bits), exactly as measuring each prefix would give them.
    int total = 0;
    for (int k = 1; k <= 254; k++) {
        int w = 0;
        glyph_size(&font, static_cast<unsigned char>(text[k - 1]) & 127, &w, nullptr);
        total += w;
        if (total > width - 2)
            return k == 1 ? 1 : k - 1;
        if (text[k] == 0)
            return k;
    }
    return 254;
}

void draw_button_label(xirr_bitmap &surface, const xirr_glyph_font &font, const char *text,
                       const rgb_color &color)
{
    if (!text)
        text = "";
    int w = surface.GetWidth();
    int h = surface.GetHeight();
    int n = fitting_count(font, text, w);
    char copy[255];
    int len = 0;
    while (len < n && len < 254 && text[len])
        len++;
    std::memcpy(copy, text, len);
    copy[len] = 0;
    int tw = 0, th = 0;
    glyph_text_extent(&font, copy, &tw, &th);
    int x = w / 2 - tw / 2;
    int y = h / 2 - th / 2;
    surface.DrawTextTransparent(font, copy, x > 0 ? x : 0, y > 0 ? y : 0, color);
}

namespace {

// One image: face and bevel, an optional rounded frame, then the label.
void labelled_image(xirr_bitmap &s, const rgb_color &face, int style, const rgb_color *frame,
                    const char *label, const rgb_color &ink, const xirr_glyph_font &font)
{
    paint_face(s, face, style);
    if (frame)
        s.DrawRoundedFrame(*frame, s.GetWidth(), s.GetHeight());
    draw_button_label(s, font, label, ink);
}

} // namespace

void build_button_images(int width, int height, const button_look &look, const button_theme &t,
                         const xirr_glyph_font &font, button_image_set &out)
{
    const char *label = look.label ? look.label : "";
    for (xirr_bitmap *b : {&out.normal, &out.hover, &out.pressed, &out.pressed_hover, &out.disabled})
        b->Create(width, height);
    if (look.toggle_mode) {
        labelled_image(out.pressed, t[theme_toggled_face], bevel_sunken, nullptr, label,
                       t[theme_toggled_label], font);
        labelled_image(out.pressed_hover, t[theme_toggled_hover_face], bevel_sunken,
                       &t[theme_toggled_hover_frame], label, t[theme_toggled_hover_label], font);
    } else {
        labelled_image(out.pressed, t[theme_pressed_face], bevel_sunken, nullptr, label,
                       t[theme_pressed_label], font);
        labelled_image(out.pressed_hover, t[theme_pressed_face], bevel_sunken,
                       &t[theme_pressed_frame], label, t[theme_pressed_label], font);
    }
    if (look.lit) {
        labelled_image(out.normal, t[theme_lit_face], bevel_raised, nullptr, label,
                       t[theme_lit_label], font);
        labelled_image(out.hover, t[theme_lit_hover_face], bevel_raised, &t[theme_lit_hover_frame],
                       label, t[theme_lit_hover_label], font);
    } else {
        labelled_image(out.normal, t[theme_unlit_face], bevel_raised, nullptr, label,
                       t[theme_unlit_label], font);
        labelled_image(out.hover, t[theme_unlit_hover_face], bevel_raised,
                       &t[theme_unlit_hover_frame], label, t[theme_unlit_hover_label], font);
    }
    labelled_image(out.disabled, t[theme_disabled_face], bevel_raised, nullptr, label,
                   t[theme_disabled_label], font);
}

namespace {

// One function-key image: face, bevel, optional frame, the key label, and
// the caption lines while active.
void fkey_image(xirr_bitmap &s, const rgb_color &face, int style, const rgb_color *frame,
                const rgb_color &ink, const fkey_look &look, const xirr_glyph_font &key_font,
                const xirr_glyph_font &caption_font)
{
    paint_face(s, face, style);
    if (frame)
        s.DrawRoundedFrame(*frame, s.GetWidth(), s.GetHeight());
    const char *key = look.key_label ? look.key_label : "";
    s.DrawTextTransparent(key_font, key, 2, 2, color_white);
    if (!look.active)
        return;
    int kw = 0, kh = 0;
    glyph_text_extent(&key_font, key, &kw, &kh);
    int h = kh + 1;
    const char *first = look.first_line ? look.first_line : "";
    const char *second = look.second_line ? look.second_line : "";
    int fw = 0, h1 = 0;
    glyph_text_extent(&caption_font, first, &fw, &h1);
    s.DrawTextTransparent(caption_font, first, 2, h, ink);
    s.DrawTextTransparent(caption_font, second, 2, h + h1 - 1, ink);
}

} // namespace

void build_fkey_images(int width, int height, const fkey_look &look, const button_theme &t,
                       const xirr_glyph_font &key_font, const xirr_glyph_font &caption_font,
                       button_image_set &out)
{
    for (xirr_bitmap *b : {&out.normal, &out.hover, &out.pressed, &out.pressed_hover, &out.disabled})
        b->Create(width, height);
    fkey_image(out.pressed, t[theme_pressed_face], bevel_sunken, nullptr, t[theme_pressed_label],
               look, key_font, caption_font);
    fkey_image(out.pressed_hover, t[theme_pressed_face], bevel_sunken, &t[theme_pressed_frame],
               t[theme_pressed_label], look, key_font, caption_font);
    if (look.active) {
        fkey_image(out.normal, t[theme_lit_face], bevel_raised, nullptr, t[theme_lit_label], look,
                   key_font, caption_font);
        fkey_image(out.hover, t[theme_lit_hover_face], bevel_raised, &t[theme_lit_hover_frame],
                   t[theme_lit_hover_label], look, key_font, caption_font);
    } else {
        fkey_image(out.normal, t[theme_disabled_face], bevel_raised, nullptr,
                   t[theme_disabled_label], look, key_font, caption_font);
        fkey_image(out.hover, t[theme_unlit_face], bevel_raised, &t[theme_unlit_hover_frame],
                   t[theme_unlit_label], look, key_font, caption_font);
    }
    fkey_image(out.disabled, t[theme_disabled_face], bevel_raised, nullptr, t[theme_disabled_label],
               look, key_font, caption_font);
}
