#include <gtest/gtest.h>

#include <string>

#include "draw/button_images.h"
#include "draw/themes.h"
#include "draw/xirr_bitmap.h"
#include "draw/xirr_flash_ticker.h"
#include "draw/xirr_image_button_model.h"
#include "tests/common/golden_image.h"
#include "tests/common/test_font.h"

// The test font's glyphs are 6 x 10, so k characters fit in w - 2 pixels
// while 6 k <= w - 2.
TEST(button_label, fitting_count)
{
    test_font font;
    std::string long_text(300, 'x');
    struct row {
        const char *text;
        int width;
        int want;
    } rows[] = {
        {"ABCDE", 20, 3},
        {"AB", 14, 2},       // exactly fits, and the text ends
        {"ABC", 14, 2},
        {"A", 4, 1},         // one character always counts
        {"ABC", 4, 1},
        {"", 100, 1},
        {nullptr, 100, 1},
        {long_text.c_str(), 10000, 254},
        {"\xc1", 20, 1},     // codes above 127 measure as their low bits
    };
    for (const row &r : rows)
        EXPECT_EQ(fitting_count(font, r.text, r.width), r.want) << (r.text ? r.text : "(null)");
    EXPECT_EQ(fitting_count(font, "\xc1\xc2\xc3\xc4", 20), 3);
}

namespace {

// True when the glyph of c drawn with its cell at (x0, y0) left ink at
// every inked cell pixel inside the surface and the face colour elsewhere.
bool glyph_drawn_at(const xirr_bitmap &s, int c, int x0, int y0, const rgb_color &face)
{
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 6; x++) {
            int sx = x0 + x, sy = y0 + y;
            if (sx < 0 || sy < 0 || sx >= s.GetWidth() || sy >= s.GetHeight())
                continue;
            bool inked = s.GetPixel(sx, sy) != face;
            if (inked != test_font_source::ink(c, x, y))
                return false;
        }
    return true;
}

} // namespace

TEST(button_label, long_label_keeps_the_characters_that_fit_centred)
{
    test_font font;
    rgb_color face(0, 0, 80);
    xirr_bitmap s(30, 20);
    s.Clear(face);
    draw_button_label(s, font, "ABCDEFG", color_white);
    // Four characters fit in 28 pixels: 24 wide, so x = 15 - 12, y = 10 - 5.
    for (int i = 0; i < 4; i++)
        EXPECT_TRUE(glyph_drawn_at(s, "ABCD"[i], 3 + 6 * i, 5, face)) << i;
    for (int y = 0; y < 20; y++)
        for (int x = 27; x < 30; x++)
            EXPECT_EQ(s.GetPixel(x, y), face) << x << "," << y;
}

TEST(button_label, a_single_character_wider_than_the_button_is_drawn_at_x_0)
{
    test_font font;
    rgb_color face(0, 0, 80);
    xirr_bitmap s(4, 20);
    s.Clear(face);
    draw_button_label(s, font, "M", color_white);
    EXPECT_TRUE(glyph_drawn_at(s, 'M', 0, 5, face));
    xirr_bitmap empty(20, 20);
    empty.Clear(face);
    draw_button_label(empty, font, nullptr, color_white);
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++)
            ASSERT_EQ(empty.GetPixel(x, y), face);
}

namespace {

const int cell_w = 60, cell_h = 24;

// Pastes images side by side in rows of a sheet for one golden file.
class sheet {
public:
    sheet(int columns, int rows) : surface_(columns * (cell_w + 2), rows * (cell_h + 2))
    {
        surface_.Clear(color_black);
    }
    void put(int column, int row, const xirr_bitmap &b)
    {
        surface_.DrawBitmap(b, column * (cell_w + 2), row * (cell_h + 2));
    }
    const xirr_bitmap &surface() const { return surface_; }

private:
    xirr_bitmap surface_;
};

void put_set(sheet &s, int row, const button_image_set &set)
{
    const xirr_bitmap *order[] = {&set.normal, &set.hover, &set.pressed, &set.pressed_hover,
                                  &set.disabled};
    for (int i = 0; i < 5; i++)
        s.put(i, row, *order[i]);
}

} // namespace

// One sheet per theme: rows lit, unlit, toggle mode; columns normal, hover,
// pressed, pressed while hovered, disabled.
TEST(button_images, golden_sheets_in_three_themes)
{
    build_theme_tables();
    test_font font;
    struct {
        int theme;
        const char *name;
    } themes[] = {{theme_red, "button_red"}, {theme_blue, "button_blue"}, {theme_grey, "button_grey"}};
    for (const auto &t : themes) {
        sheet s(5, 3);
        button_image_set set;
        button_look look;
        look.label = "North";
        build_button_images(cell_w, cell_h, look, *button_themes[t.theme], font, set);
        put_set(s, 0, set);
        look.lit = false;
        build_button_images(cell_w, cell_h, look, *button_themes[t.theme], font, set);
        put_set(s, 1, set);
        look.lit = true;
        look.toggle_mode = true;
        look.label = "A label too long";
        build_button_images(cell_w, cell_h, look, *button_themes[t.theme], font, set);
        put_set(s, 2, set);
        EXPECT_EQ(compare_with_golden(t.name, s.surface()), "");
    }
}

TEST(button_images, golden_function_key_sheet)
{
    build_theme_tables();
    test_font key_font(4, 6), caption_font;
    sheet s(5, 2);
    button_image_set set;
    fkey_look look;
    look.key_label = "F3";
    look.first_line = "Cast";
    look.second_line = "magic";
    look.active = true;
    build_fkey_images(cell_w, cell_h, look, *button_themes[theme_cyan], key_font, caption_font, set);
    put_set(s, 0, set);
    look.active = false;
    build_fkey_images(cell_w, cell_h, look, *button_themes[theme_cyan], key_font, caption_font, set);
    put_set(s, 1, set);
    EXPECT_EQ(compare_with_golden("fkey_cyan", s.surface()), "");
}

TEST(button_images, frames_and_faces_follow_the_theme_roles)
{
    build_theme_tables();
    test_font font;
    const button_theme &t = *button_themes[theme_green];
    button_image_set set;
    button_look look;
    look.label = "";
    build_button_images(30, 20, look, t, font, set);
    // Face inside the bevel, and the rounded frame of the hover images.
    EXPECT_EQ(set.normal.GetPixel(10, 10), t[theme_lit_face]);
    EXPECT_EQ(set.hover.GetPixel(10, 10), t[theme_lit_hover_face]);
    EXPECT_EQ(set.hover.GetPixel(10, 0), t[theme_lit_hover_frame]);
    EXPECT_EQ(set.hover.GetPixel(0, 0), color_black);
    EXPECT_EQ(set.pressed.GetPixel(10, 10), t[theme_pressed_face]);
    EXPECT_EQ(set.pressed_hover.GetPixel(29, 10), t[theme_pressed_frame]);
    EXPECT_EQ(set.disabled.GetPixel(10, 10), t[theme_disabled_face]);
    look.toggle_mode = true;
    look.lit = false;
    build_button_images(30, 20, look, t, font, set);
    EXPECT_EQ(set.normal.GetPixel(10, 10), t[theme_unlit_face]);
    EXPECT_EQ(set.hover.GetPixel(10, 19), t[theme_unlit_hover_frame]);
    EXPECT_EQ(set.pressed.GetPixel(10, 10), t[theme_toggled_face]);
    EXPECT_EQ(set.pressed_hover.GetPixel(10, 10), t[theme_toggled_hover_face]);
    EXPECT_EQ(set.pressed_hover.GetPixel(0, 10), t[theme_toggled_hover_frame]);
}

TEST(image_button_model, blink_starts_black_alternates_and_ends_plain)
{
    xirr_image_button_model m;
    xirr_bitmap plain(20, 20);
    plain.Clear(rgb_color(10, 20, 30));
    m.set_normal_image(plain);
    xirr_bitmap s(20, 20);
    xirr_flash_ticker ticker;
    ticker.start();
    EXPECT_TRUE(ticker.take_change());
    m.compose(s, ticker.steps_left());
    EXPECT_EQ(s.GetPixel(10, 0), color_black);
    EXPECT_EQ(s.GetPixel(10, 10), plain.GetPixel(10, 10));
    int changes = 0;
    for (int tick = 0; tick < 16 * 10; tick++) {
        ticker.advance(20);
        if (!ticker.take_change())
            continue;
        changes++;
        m.compose(s, ticker.steps_left());
        int left = ticker.steps_left();
        rgb_color edge = s.GetPixel(10, 0);
        if (left == 0)
            EXPECT_EQ(edge, plain.GetPixel(10, 0));
        else
            EXPECT_EQ(edge, left % 2 ? color_white : color_black) << left;
    }
    EXPECT_EQ(changes, 16);
    EXPECT_EQ(ticker.steps_left(), 0);
}

TEST(image_button_model, chooses_the_image_of_state_and_hover)
{
    xirr_image_button_model m;
    xirr_bitmap img[5];
    for (int i = 0; i < 5; i++) {
        img[i].Create(4, 4);
        img[i].Clear(rgb_color(i * 10, 0, 0));
    }
    m.set_normal_image(img[0]);
    m.set_pressed_image(img[2]);
    m.set_disabled_image(img[4]);
    m.state.hover = 1;
    // Without hover images, hover shows the plain ones.
    EXPECT_EQ(m.current_image().GetPixel(0, 0), img[0].GetPixel(0, 0));
    m.set_hover_image(img[1]);
    m.set_pressed_hover_image(img[3]);
    EXPECT_EQ(m.current_image().GetPixel(0, 0), img[1].GetPixel(0, 0));
    m.state.set_button_state(button_pressed);
    EXPECT_EQ(m.current_image().GetPixel(0, 0), img[3].GetPixel(0, 0));
    m.state.hover = 0;
    EXPECT_EQ(m.current_image().GetPixel(0, 0), img[2].GetPixel(0, 0));
    m.state.set_button_state(7);
    EXPECT_EQ(m.current_image().GetPixel(0, 0), img[4].GetPixel(0, 0));
}
