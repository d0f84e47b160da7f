#include <gtest/gtest.h>

#include <algorithm>

#include "input/button_bar_layout.h"

namespace {

// The y of each present button, -1 for absent ones.
void layout_ys(const bool present[hint_button_count], int top, int ys[hint_button_count])
{
    bar_rect places[hint_button_count];
    hint_column_layout(present, 7, top, places);
    for (int i = 0; i < hint_button_count; i++) {
        ys[i] = present[i] ? places[i].y : -1;
        if (present[i]) {
            EXPECT_EQ(places[i].x, 7);
            EXPECT_EQ(places[i].width, 97);
            EXPECT_EQ(places[i].height, 26);
        }
    }
}

} // namespace

TEST(hint_column_layout, connect_and_quit_after_a_disconnect)
{
    bool present[hint_button_count] = {};
    present[0] = present[11] = true;
    int ys[hint_button_count];
    layout_ys(present, 100, ys);
    EXPECT_EQ(ys[0], 100 + 16);
    EXPECT_EQ(ys[11], 100 + 65);
}

TEST(hint_column_layout, runs_form_groups_and_a_removed_button_closes_its_gap)
{
    bool present[hint_button_count] = {true, true, true, false, true};
    int ys[hint_button_count];
    layout_ys(present, 0, ys);
    EXPECT_EQ(ys[0], 16);
    EXPECT_EQ(ys[1], 49);
    EXPECT_EQ(ys[2], 82);
    EXPECT_EQ(ys[4], 82 + 33 + 16);
    present[1] = false;
    layout_ys(present, 0, ys);
    EXPECT_EQ(ys[0], 16);
    EXPECT_EQ(ys[2], 16 + 33 + 16);
    EXPECT_EQ(ys[4], 16 + 33 + 16 + 33 + 16);
}

TEST(fkey_bar_layout, squares_from_the_bar_height)
{
    bar_rect r = fkey_button_rect(0, 10, 20, 46);
    EXPECT_EQ(r.x, 13);
    EXPECT_EQ(r.y, 23);
    EXPECT_EQ(r.width, 41);
    EXPECT_EQ(r.height, 41);
    bar_rect last = fkey_button_rect(7, 0, 0, 46);
    EXPECT_EQ(last.x + last.width, 352);
    EXPECT_EQ(fkey_button_rect(3, 0, 0, 2).width, 1);
}

TEST(direction_pad_table, pad_is_97_by_130)
{
    int right = 0, bottom = 0, lit_always = 0, bits = 0;
    for (const direction_button_entry &b : direction_buttons_table) {
        right = std::max(right, b.place.x + b.place.width);
        bottom = std::max(bottom, b.place.y + b.place.height);
        lit_always += b.exit_bit == 0;
        bits |= b.exit_bit;
    }
    EXPECT_EQ(right, 97);
    EXPECT_EQ(bottom, 130);
    EXPECT_EQ(lit_always, 1);
    EXPECT_EQ(bits, 0x3ff);
    EXPECT_STREQ(direction_buttons_table[direction_out_button].command, "out");
}
