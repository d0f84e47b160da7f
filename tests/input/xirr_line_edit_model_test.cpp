#include <gtest/gtest.h>

#include <string>

#include "config/skiff_config.h"
#include "input/xirr_line_edit_model.h"
#include "tests/input/input_recorders.h"

namespace {

// The text control reduced to its text, cursor and selection.
struct test_line : xirr_line_access {
    std::string text;
    long cursor = 0;
    long sel_from = 0, sel_to = 0;
    int styled = 0;

    std::string line_text() override { return text; }
    long line_cursor() override { return cursor; }
    void set_line_cursor(long position) override { cursor = position; sel_from = sel_to = 0; }
    bool line_selection(long *from, long *to) override
    {
        *from = sel_from;
        *to = sel_to;
        return sel_from < sel_to;
    }
    void select_whole_line() override { sel_from = 0; sel_to = cursor = text.size(); }
    void show_line(const std::string &t) override { set(t); }
    void clear_line() override { set(""); }
    void insert_text(const std::string &t) override
    {
        if (sel_from < sel_to) {
            text.replace(sel_from, sel_to - sel_from, t);
            cursor = sel_from + t.size();
        } else {
            text.insert(cursor, t);
            cursor += t.size();
        }
        sel_from = sel_to = 0;
    }
    void apply_input_style() override { styled++; }

    void set(const std::string &t)
    {
        text = t;
        cursor = t.size();
        sel_from = sel_to = 0;
    }
};

SkiffConfig &config()
{
    return SkiffConfig::instance();
}

xirr_key_press key(int code, bool control = false, bool shift = false)
{
    xirr_key_press k;
    k.code = code;
    k.control = control;
    k.shift = shift;
    return k;
}

class line_edit : public testing::Test {
protected:
    line_edit() : install(&frame)
    {
        model.set_host(&host);
        if (!config().current_char_cfg)
            config().setup_default_config(nullptr);
        config().reset_char_config();  // a fresh character's options
    }

    void type_and_send(const std::string &text)
    {
        line.set(text);
        model.key_press(key(key_return), line);
        model.key_release(key_return);
    }
    // Presses and releases a key; true when it went on to the toolkit.
    bool tap(int code, bool control = false, bool shift = false)
    {
        bool typed = model.key_press(key(code, control, shift), line);
        model.key_release(code);
        return typed;
    }

    recording_frame frame;
    frame_installer install;
    recording_host host;
    xirr_line_edit_model model;
    test_line line;
};

}  // namespace

TEST_F(line_edit, first_up_while_disconnected_offers_connect)
{
    line.set("half typed");
    model.history_up(line);
    EXPECT_EQ(line.text, "connect");
    model.history_up(line);  // nothing older
    EXPECT_EQ(line.text, "connect");
    model.history_down(line);
    EXPECT_EQ(line.text, "half typed");  // the edit slot came back
    model.history_down(line);
    EXPECT_EQ(line.text, "");  // slot 0
    EXPECT_EQ(model.history().position(), 0);
    line.set("x");
    model.history_down(line);  // below the bottom: cleared
    EXPECT_EQ(line.text, "");
    model.history_up(line);
    EXPECT_EQ(line.text, "half typed");
}

TEST_F(line_edit, sets_keep_their_own_commands_and_positions)
{
    model.select_history_set(1);
    line.set("");
    model.history_up(line);
    EXPECT_EQ(line.text, "");  // set 1 starts without "connect"
    type_and_send("look");
    model.select_history_set(2);
    type_and_send("score");
    type_and_send("inventory");
    line.set("");
    model.history_up(line);
    EXPECT_EQ(model.history().position(), 2);
    model.select_history_set(1);
    EXPECT_EQ(model.history().position(), 1);
    model.history_up(line);
    EXPECT_EQ(line.text, "look");
    model.select_history_set(2);
    EXPECT_EQ(model.history().position(), 2);
    model.history_up(line);
    EXPECT_EQ(line.text, "score");
    model.select_history_set(0);
    EXPECT_EQ(*model.history().slot(2), "connect");
    EXPECT_FALSE(model.history().select_history_set(3));
    EXPECT_FALSE(model.history().select_history_set(-1));
    EXPECT_EQ(model.history().current_set(), 0);
}

TEST_F(line_edit, same_command_twice_is_stored_once_and_oldest_drops_after_98)
{
    type_and_send("north");
    type_and_send("north");
    EXPECT_EQ(*model.history().slot(2), "north");
    EXPECT_EQ(*model.history().slot(3), "connect");
    EXPECT_EQ(frame.commands.size(), 2u);  // both are still sent

    for (int i = 0; i < 98; i++)
        type_and_send("cmd" + std::to_string(i));
    EXPECT_EQ(*model.history().slot(2), "cmd97");
    EXPECT_EQ(*model.history().slot(99), "cmd0");
    // "north" and "connect" are gone; browsing stops at slot 99.
    line.set("");
    for (int i = 0; i < 120; i++)
        model.history_up(line);
    EXPECT_EQ(line.text, "cmd0");
    EXPECT_EQ(model.history().position(), 99);
}

TEST_F(line_edit, storing_returns_to_an_empty_edit_slot)
{
    line.set("draft");
    model.history_up(line);
    type_and_send("say hi");
    EXPECT_EQ(model.history().position(), 1);
    EXPECT_EQ(*model.history().slot(1), "");
    line.set("");
    model.history_up(line);
    model.history_down(line);
    EXPECT_EQ(line.text, "");  // the old draft is not brought back
}

TEST_F(line_edit, up_and_down_move_between_lines_of_a_multi_line_entry)
{
    line.set("ab\ncd\nef");
    line.cursor = 7;  // between e and f
    model.history_up(line);
    EXPECT_EQ(line.cursor, 5);  // end of "cd"
    model.history_up(line);
    EXPECT_EQ(line.cursor, 2);  // end of "ab"
    model.history_up(line);
    EXPECT_EQ(line.cursor, 0);
    model.history_down(line);
    EXPECT_EQ(line.cursor, 3);  // start of "cd"
    model.history_down(line);
    EXPECT_EQ(line.cursor, 6);  // start of "ef"
    model.history_down(line);
    EXPECT_EQ(line.cursor, 8);  // the end
    EXPECT_EQ(line.text, "ab\ncd\nef");
    model.history_up(line);  // at the end: the history
    EXPECT_EQ(line.text, "connect");
}

TEST_F(line_edit, submit_cuts_at_4999_bytes_and_keeps_8_bit_bytes)
{
    std::string long_line(6000, 'x');
    long_line[0] = '\xe9';
    type_and_send(long_line);
    ASSERT_EQ(frame.commands.size(), 1u);
    EXPECT_EQ(frame.commands[0].text, long_line.substr(0, 4999));
    EXPECT_TRUE(frame.commands[0].echo);
    EXPECT_EQ(*model.history().slot(2), long_line.substr(0, 4999));
    EXPECT_EQ(line.text, "");
    EXPECT_GT(line.styled, 0);
    model.history().history_store(long_line);  // the limit holds for any caller
    EXPECT_EQ(model.history().slot(2)->size(), 4999u);
}

TEST_F(line_edit, empty_line_is_sent_but_not_stored)
{
    type_and_send("");
    ASSERT_EQ(frame.commands.size(), 1u);
    EXPECT_EQ(frame.commands[0].text, "");
    EXPECT_EQ(*model.history().slot(2), "connect");
}

TEST_F(line_edit, hidden_input_keeps_the_password_out_of_the_history)
{
    model.set_hidden_input(true);
    type_and_send("secret");
    EXPECT_EQ(frame.commands.back().text, "secret");
    EXPECT_EQ(*model.history().slot(2), "connect");
    // The flag stays until the server ends hidden input.
    type_and_send("again");
    EXPECT_EQ(*model.history().slot(2), "connect");
    model.set_hidden_input(false);
    type_and_send("look");
    EXPECT_EQ(*model.history().slot(2), "look");
    EXPECT_EQ(*model.history().slot(3), "connect");
}

TEST_F(line_edit, pushthrough_keeps_the_sent_command_selected)
{
    config().set_cmd_pushthrough(1);
    host.logged_in = true;
    model.select_history_set(2);
    type_and_send("kill rat");
    type_and_send("get all");
    EXPECT_EQ(line.text, "get all");
    EXPECT_EQ(line.sel_from, 0);
    EXPECT_EQ(line.sel_to, 7);
    // Up skips the command still in the line.
    tap(key_up);
    EXPECT_EQ(line.text, "kill rat");
    // Home drops the selection and goes to the start.
    line.set("get all");
    line.select_whole_line();
    EXPECT_FALSE(tap(key_home));
    EXPECT_EQ(line.cursor, 0);
    EXPECT_EQ(line.sel_to, 0);
    // Not logged in, the line is cleared.
    host.logged_in = false;
    type_and_send("look");
    EXPECT_EQ(line.text, "");
}

TEST_F(line_edit, held_numpad_key_walks_once)
{
    host.main_following = false;
    EXPECT_FALSE(model.key_press(key(key_numpad_up), line));
    EXPECT_FALSE(model.key_press(key(key_numpad_up), line));
    EXPECT_FALSE(model.key_press(key(key_numpad_up), line));
    model.key_release(key_numpad_up);
    ASSERT_EQ(frame.commands.size(), 1u);
    EXPECT_EQ(frame.commands[0].text, "north");
    EXPECT_TRUE(frame.commands[0].echo);
    EXPECT_EQ(host.log(), "unlock");
    tap(key_numpad_up);
    EXPECT_EQ(frame.commands.size(), 2u);
}

TEST_F(line_edit, rolled_over_numpad_keys_both_walk)
{
    // East pressed before north is released: two steps, and the held east
    // key does not walk again when north's release arrives.
    model.key_press(key(key_numpad_up), line);
    model.key_press(key(key_numpad_right), line);
    model.key_release(key_numpad_up);
    model.key_press(key(key_numpad_right), line);
    model.key_release(key_numpad_right);
    ASSERT_EQ(frame.commands.size(), 2u);
    EXPECT_EQ(frame.commands[1].text, "east");
    // A lost release (focus moved away) does not swallow the next press.
    model.key_press(key(key_numpad_down), line);
    model.focus_lost();
    model.key_press(key(key_numpad_down), line);
    EXPECT_EQ(frame.commands.size(), 4u);
}

TEST_F(line_edit, walking_off_lets_the_numpad_type)
{
    config().set_keypad_walking(0);
    EXPECT_TRUE(tap(key_numpad_up));
    EXPECT_TRUE(frame.commands.empty());
}

TEST_F(line_edit, held_control_d_breaks_once_and_control_backspace_repeats)
{
    line.set("abc");
    model.key_press(key(key_other_base + 1), line);  // the Control key itself
    model.key_press(key('D', true), line);
    model.key_press(key('D', true), line);
    model.key_press(key('D', true), line);
    EXPECT_EQ(host.log(), "break");
    EXPECT_EQ(line.text, "");
    model.key_release('D');
    model.key_press(key('D', true), line);
    EXPECT_EQ(host.log(), "break break");
    EXPECT_TRUE(model.key_press(key(key_backspace, true), line));
    EXPECT_TRUE(model.key_press(key(key_backspace, true), line));
}

TEST_F(line_edit, control_c_copies_or_clears_then_breaks)
{
    line.set("hello world");
    line.cursor = 3;
    line.sel_from = 6;
    line.sel_to = 11;
    tap('C', true);
    EXPECT_EQ(frame.clipboard, "world");
    EXPECT_EQ(line.text, "hello world");
    EXPECT_EQ(line.cursor, 3);
    EXPECT_EQ(line.sel_to, 0);
    EXPECT_EQ(host.log(), "");

    host.main_selection = true;
    tap('C', true);
    EXPECT_EQ(line.text, "");
    EXPECT_EQ(host.log(), "clear_main_selection");
    tap('C', true);
    EXPECT_EQ(host.log(), "clear_main_selection break");
}

TEST_F(line_edit, control_keys_reach_the_host)
{
    host.logged_in = true;
    line.set("text");
    tap('\\', true);
    EXPECT_EQ(line.text, "");
    line.set("text");
    tap('K', true);
    EXPECT_EQ(line.text, "");
    tap('S', true);
    tap('Q', true);
    tap('Z', true);
    tap('M', true);
    tap('=', true);
    tap('-', true);
    tap('[', true);
    tap(']', true);
    tap('3', true);
    tap('0', true);
    tap('1', true, true);
    EXPECT_EQ(host.log(), "abort lock unlock lock automap bigger_font smaller_font map_smaller "
                          "map_bigger popup3 popup10 automap");
    host.logged_in = false;
    host.calls.clear();
    tap('3', true);
    EXPECT_EQ(host.log(), "");  // quick popups only when logged in
}

TEST_F(line_edit, control_q_and_escape_unlock_main_then_channel)
{
    line.set("abc");
    host.main_following = false;
    host.channel_following = false;
    tap(key_escape);
    tap(key_escape);
    EXPECT_EQ(line.text, "abc");
    tap(key_escape);
    EXPECT_EQ(line.text, "");
    EXPECT_EQ(host.log(), "unlock unlock_channel clear_main_selection clear_channel_selection");
    host.calls.clear();
    host.channel_following = false;
    tap('Q', true);
    tap('Q', true);  // nothing left locked
    EXPECT_EQ(host.log(), "unlock_channel");
}

TEST_F(line_edit, option_toggles_and_panel_heights)
{
    tap('P', true);
    EXPECT_EQ(config().get_hpbar_enable(), 0);
    tap('3', true, true);
    EXPECT_EQ(config().get_hpbar_enable(), 1);

    int start = config().get_input_height();
    tap('[', true, true);
    EXPECT_EQ(config().get_input_height(), start - 12);
    for (int i = 0; i < 10; i++)
        tap('[', true, true);
    EXPECT_EQ(config().get_input_height(), 24);
    for (int i = 0; i < 100; i++)
        tap(']', true, true);
    EXPECT_EQ(config().get_input_height(), 800);

    for (int i = 0; i < 20; i++)
        tap('=', true, true);
    EXPECT_EQ(config().get_channel_window_height(), 80);
    for (int i = 0; i < 20; i++)
        tap('-', true, true);
    EXPECT_EQ(config().get_channel_window_height(), 10);
    EXPECT_EQ(host.calls.back(), "relayout");
}

TEST_F(line_edit, ordinary_keys_unlock_unless_scrollback_locks)
{
    tap(key_page_up);
    EXPECT_EQ(host.log(), "lock page_up");
    EXPECT_TRUE(tap('A'));
    EXPECT_TRUE(host.main_following);

    config().set_locking_scrollback_enable(1);
    tap(key_page_down);
    EXPECT_TRUE(tap('A'));
    EXPECT_FALSE(host.main_following);
    tap(key_return);
    EXPECT_TRUE(host.main_following);
    tap(key_up, true);
    EXPECT_EQ(host.calls.back(), "page_up");
    EXPECT_FALSE(host.main_following);
}

TEST_F(line_edit, function_keys_only_after_login_without_echo)
{
    EXPECT_TRUE(tap(key_f1 + 2, false, true));
    EXPECT_TRUE(frame.commands.empty());
    host.logged_in = true;
    host.main_following = false;
    EXPECT_FALSE(tap(key_f1 + 2, false, true));
    ASSERT_EQ(frame.commands.size(), 1u);
    EXPECT_EQ(frame.commands[0].text, "sf03");
    EXPECT_FALSE(frame.commands[0].echo);
    EXPECT_TRUE(host.main_following);
}

TEST_F(line_edit, wheel_scrolls_three_rows_per_notch)
{
    model.wheel(0, 120);
    model.wheel(120, 120);
    model.wheel(-120, 120);
    model.wheel(60, 120);   // half a notch: nothing
    model.wheel(60, 120);   // completes it
    model.wheel(-1, 0);     // delta 0 counts as 1
    EXPECT_EQ(host.log(), "lock up3 lock down3 lock up3 lock down3");
}

TEST_F(line_edit, paste_inserts_or_replaces_and_keeps_newlines)
{
    frame.clipboard = "one\ntwo";
    line.set("ab");
    line.cursor = 1;
    tap('V', true);
    EXPECT_EQ(line.text, "aone\ntwob");
    line.sel_from = 0;
    line.sel_to = 1;
    model.manual_clipboard_paste(line);
    EXPECT_EQ(line.text, "one\ntwoone\ntwob");
    frame.clipboard_opens = false;
    model.manual_clipboard_paste(line);
    EXPECT_EQ(line.text, "one\ntwoone\ntwob");
}

TEST_F(line_edit, show_history_lists_the_19_newest_oldest_first)
{
    for (int i = 1; i <= 25; i++)
        type_and_send("c" + std::to_string(i));
    model.show_history();
    std::string expected = "\nRecent Command History:";
    for (int n = 19; n >= 1; n--)
        expected += (n < 10 ? "\n " : "\n") + std::to_string(n) + " - c" + std::to_string(26 - n);
    expected += "\n";
    EXPECT_EQ(frame.printed, expected);
    EXPECT_EQ(frame.messages_begun, 1);

    frame.printed.clear();
    model.select_history_set(1);
    model.show_history();
    EXPECT_EQ(frame.printed, "\nRecent Command History:\n");
}
