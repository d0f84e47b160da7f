#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/xirr_channel_model.h"

namespace {

std::vector<std::string> names(const xirr_channel_model &m)
{
    std::vector<std::string> out;
    for (const auto &e : m.channels())
        out.push_back(e->name);
    return out;
}

} // namespace

TEST(channel_model, names_sort_bytewise_upper_case_first)
{
    xirr_channel_model m;
    for (const char *n : {"beta", "\xe9t\xe9", "Zeta", "alpha", "(all)", "Alpha", ""})
        m.insert(n);
    std::vector<std::string> want = {"", "(all)", "Alpha", "Zeta", "alpha", "beta", "\xe9t\xe9"};
    EXPECT_EQ(names(m), want);
    EXPECT_EQ(m.current(), m.find("beta"));  // the first one made
    EXPECT_EQ(m.find("ALPHA"), nullptr);
    EXPECT_EQ(m.find(nullptr), m.find(""));
}

TEST(channel_model, names_are_cut_to_39_characters)
{
    xirr_channel_model m;
    std::string longer(50, 'n');
    xirr_channel_entry *e = m.insert(longer.c_str());
    EXPECT_EQ(std::string(e->name), std::string(39, 'n'));
    EXPECT_EQ(m.find(std::string(45, 'n').c_str()), e);
    EXPECT_EQ(m.find(std::string(39, 'n').c_str()), e);
    EXPECT_EQ(m.find(std::string(38, 'n').c_str()), nullptr);
}

TEST(channel_model, text_for_a_channel_that_is_not_current_flags_new_text)
{
    xirr_channel_model m;
    xirr_channel_entry *all = m.insert(all_channel_name);
    xirr_channel_entry *gossip = m.insert("gossip");
    EXPECT_EQ(m.current(), all);
    EXPECT_FALSE(m.note_text(all));
    EXPECT_TRUE(m.note_text(gossip));
    EXPECT_EQ(m.look_of(all), tab_look_current);
    EXPECT_EQ(m.look_of(gossip), tab_look_new_text);

    // Clicking the tab: it becomes current and its flag ends.
    EXPECT_EQ(m.select("gossip"), gossip);
    m.clear_new_text(gossip);
    EXPECT_EQ(m.look_of(gossip), tab_look_current);
    EXPECT_EQ(m.look_of(all), tab_look_plain);
    EXPECT_EQ(m.select("nothing"), nullptr);
    EXPECT_EQ(m.current(), gossip);
}

TEST(channel_model, pages_keep_their_own_current_channel)
{
    xirr_channel_model m;
    xirr_channel_entry *a = m.insert("a");
    xirr_channel_entry *b = m.insert("b");
    xirr_channel_entry *c = m.insert("c");
    m.select("b");
    m.move_to_other_page(c);
    EXPECT_EQ(m.channels_on_page(0), 2);
    EXPECT_EQ(m.tab_index(b), 1);
    EXPECT_EQ(m.tab_index(c), 0);

    // Page 1: the current channel of page 0 is put aside, c is the first.
    EXPECT_EQ(m.switch_page(), 1);
    EXPECT_EQ(m.current(), c);
    EXPECT_EQ(m.other_page_current(), b);
    // A channel made now lands on the page shown.
    xirr_channel_entry *d = m.insert("d");
    EXPECT_EQ(d->page, 1);
    EXPECT_EQ(m.current(), c);

    EXPECT_EQ(m.switch_page(), 0);
    EXPECT_EQ(m.current(), b);
    EXPECT_EQ(m.other_page_current(), c);

    // A page without channels keeps the current channel as it was.
    m.move_to_other_page(a);
    m.move_to_other_page(b);
    m.choose_current();
    EXPECT_EQ(m.current(), b);
    EXPECT_EQ(m.channels_on_page(0), 0);
}

TEST(channel_model, clear_forgets_everything_and_starts_again)
{
    xirr_channel_model m;
    m.all_channel = m.insert(all_channel_name);
    m.divert_channel = m.insert("gossip");
    m.clear();
    EXPECT_TRUE(m.channels().empty());
    EXPECT_EQ(m.current(), nullptr);
    EXPECT_EQ(m.other_page_current(), nullptr);
    EXPECT_EQ(m.divert_channel, nullptr);
    EXPECT_EQ(m.all_channel, nullptr);
    xirr_channel_entry *e = m.insert("ooc");
    EXPECT_EQ(m.current(), e);
}

TEST(channel_geometry, measurements)
{
    // Labels measure 108 x 10 (18 cells of 6 x 10).
    channel_window_geometry g = compute_channel_geometry(5, 7, 800, 200, 108, 10, 1);
    EXPECT_EQ(g.tab_height, 14);
    EXPECT_EQ(g.room, 785);
    EXPECT_EQ(g.tab_width, 118);  // the label's room, not the fair share
    EXPECT_EQ(g.page_button_x, 5 + 785 + 2);
    EXPECT_EQ(g.page_button_y, 9);
    EXPECT_EQ(g.page_button_size, 10);
    EXPECT_EQ(g.placeholder_x, 6);
    EXPECT_EQ(g.placeholder_y, 8);
    EXPECT_EQ(g.display_x, 5);
    EXPECT_EQ(g.display_y, 7 + 15);
    EXPECT_EQ(g.display_width, 800);
    EXPECT_EQ(g.display_height, 200 - 15);
    EXPECT_EQ(g.tab_x(0), 6);
    EXPECT_EQ(g.tab_x(2), 6 + 2 * 120);
    EXPECT_EQ(g.tab_y, 8);
    EXPECT_EQ(g.square_x, 118 - 14 + 2);
    EXPECT_EQ(g.square_y, 3);
    EXPECT_EQ(g.square_size, 11);
}

TEST(channel_geometry, twenty_channels_shrink_and_moving_one_frees_room)
{
    channel_window_geometry twenty = compute_channel_geometry(0, 0, 800, 200, 108, 10, 20);
    EXPECT_EQ(twenty.tab_width, 785 / 20 - 2);
    // The last tab ends left of the page button.
    EXPECT_LE(twenty.tab_x(19) + twenty.tab_width, twenty.page_button_x);
    channel_window_geometry nineteen = compute_channel_geometry(0, 0, 800, 200, 108, 10, 19);
    EXPECT_EQ(nineteen.tab_width, 785 / 19 - 2);
    EXPECT_GT(nineteen.tab_width, twenty.tab_width);
}

TEST(channel_geometry, degenerate_rectangles_stay_positive)
{
    channel_window_geometry g = compute_channel_geometry(0, 0, 0, 0, 108, 10, 0);
    EXPECT_EQ(g.room, 1);
    EXPECT_GE(g.tab_width, 1);
    EXPECT_GE(g.display_height, 1);
    EXPECT_GE(g.display_width, 1);
    g = compute_channel_geometry(0, 0, 100, 100, 108, 10, 500);
    EXPECT_GE(g.tab_width, 1);
}
