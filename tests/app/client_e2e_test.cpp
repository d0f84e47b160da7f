// The real client against a loopback fake game server on the test display.
#include <wx/defs.h>

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>

#include "tests/common/client_session.h"

namespace {

const int wait_ms = 10000;

// The main output's area with the default settings: the hint column takes
// 101 pixels at the right, the input line 48 at the bottom.
const int output_width = 984 - 101;
const int output_height = 728 - 48;

void pause_ms(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Waits until what the server received matches the pattern.
bool wait_for_received_match(client_session &s, const std::regex &pattern, int ms)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        std::string got = s.server.received();
        if (std::regex_search(got, pattern))
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        pause_ms(50);
    }
}

}  // namespace

TEST(client_e2e, frame_typing_and_server_colours)
{
    client_session s;
    ASSERT_TRUE(s.start()) << s.failure();
    EXPECT_EQ(s.title(), "Veymoor");
    EXPECT_EQ(s.size(), "984 728");

    s.type("look around");
    s.key("Return");
    EXPECT_TRUE(s.server.wait_for_received("look around\n", wait_ms)) << s.server.received();

    screenshot before;
    ASSERT_TRUE(before.take());
    EXPECT_EQ(before.count_ink(0xFF5555, 0, 0, output_width, output_height), 0);
    s.server.send("You see a \033[1m\033[31mbright red dragon\033[0m here.\n");
    screenshot after;
    EXPECT_TRUE(wait_for_screen(
        &after, [](const screenshot &shot) { return shot.count_ink(0xFF5555, 0, 0, output_width, output_height) > 20; },
        wait_ms));
}

TEST(client_e2e, hidden_input_hides_the_password_and_keeps_it_out_of_the_history)
{
    client_session s;
    ASSERT_TRUE(s.start()) << s.failure();
    // The prompt in red shows when the client has taken the echo bytes
    // that come with it.
    s.server.send("\033[1m\033[31mPassword:\033[0m \xff\xfe\x01");
    screenshot prompt;
    ASSERT_TRUE(wait_for_screen(
        &prompt, [](const screenshot &shot) { return shot.count_ink(0xFF5555, 0, 0, output_width, output_height) > 20; },
        wait_ms));
    s.type("hunter2");
    pause_ms(200);
    screenshot typed;
    ASSERT_TRUE(typed.take());
    // Inside the input line's frame everything stays black.
    EXPECT_EQ(typed.count_not_black(4, output_height + 3, output_width - 8, 48 - 6), 0);
    s.key("Return");
    ASSERT_TRUE(s.server.wait_for_received("hunter2\n", wait_ms));

    s.server.send("\xff\xfd\x01\033[1m\033[32mWelcome.\033[0m\n");
    screenshot welcome;
    ASSERT_TRUE(wait_for_screen(
        &welcome, [](const screenshot &shot) { return shot.count_ink(0x55FF55, 0, 0, output_width, output_height) > 20; },
        wait_ms));
    s.type("x");
    s.key("BackSpace Up Return");
    ASSERT_TRUE(s.server.wait_for_received("hunter2\n\n", wait_ms)) << s.server.received();
    s.type("visible");
    screenshot normal;
    EXPECT_TRUE(wait_for_screen(
        &normal,
        [](const screenshot &shot) { return shot.count_not_black(4, output_height + 3, output_width - 8, 48 - 6) > 0; },
        wait_ms));
}

TEST(client_e2e, login_record_sets_title_history_and_status_report)
{
    client_session s;
    ASSERT_TRUE(s.start()) << s.failure();
    s.type("before");
    s.key("Return");
    ASSERT_TRUE(s.server.wait_for_received("before\n", wait_ms));

    s.server.send(";slogin;Vudedu\nsecond line;elogin;");
    EXPECT_TRUE(s.wait_for_title("Veymoor - Player Vudedu", wait_ms)) << s.title();
    EXPECT_TRUE(wait_for_received_match(
        s, std::regex("sklstatus [0-9]{20} [ 0-9]{2} [ 0-9]{2} [ 0-9]{2}\n"), wait_ms))
        << s.server.received();

    // History set 2 starts empty: Up offers nothing, so an empty line goes,
    // then the marker line.
    size_t before = s.server.received().size();
    s.key("Up Return");
    s.type("marker");
    s.key("Return");
    ASSERT_TRUE(s.server.wait_for_received("marker\n", wait_ms)) << s.server.received();
    EXPECT_EQ(s.server.received().substr(before), "\nmarker\n");
}

TEST(client_e2e, pings_only_after_login_every_fifteen_seconds)
{
    client_session s;
    ASSERT_TRUE(s.start()) << s.failure();
    pause_ms(15500);
    EXPECT_EQ(s.server.received().find("skping"), std::string::npos);
    s.server.send(";slogin;Vudedu;elogin;");
    ASSERT_TRUE(s.server.wait_for_received("skping\n", 30000)) << s.server.received();
}

TEST(client_e2e, server_close_shows_the_reconnect_hint_and_buttons)
{
    client_session s;
    ASSERT_TRUE(s.start()) << s.failure();
    s.server.send(";slogin;Vudedu;elogin;");
    ASSERT_TRUE(s.wait_for_title("Veymoor - Player Vudedu", wait_ms));
    screenshot open;
    ASSERT_TRUE(open.take());
    int yellow_before = open.count_ink(0xFFFF55, 0, 0, output_width, output_height);

    s.server.close_connection(true);
    ASSERT_TRUE(s.wait_for_title("Veymoor", wait_ms)) << s.title();
    // "connect" and "File / Connect" in bold yellow; the hint column holds
    // Connect (top) and Quit.
    screenshot closed;
    EXPECT_TRUE(wait_for_screen(
        &closed,
        [&](const screenshot &shot) {
            return shot.count_ink(0xFFFF55, 0, 0, output_width, output_height) > yellow_before + 20 &&
                   shot.count_not_black(886, 18, 97, 26) > 100 && shot.count_not_black(886, 67, 97, 26) > 100;
        },
        wait_ms));
    EXPECT_GT(closed.count_ink(0xFFFF55, 0, 0, output_width, output_height), yellow_before + 20);
    EXPECT_GT(closed.count_not_black(886, 18, 97, 26), 100);
    EXPECT_GT(closed.count_not_black(886, 67, 97, 26), 100);

    s.click(930, 30);
    EXPECT_TRUE(s.server.wait_for_connections(2, wait_ms)) << "Connect did not reconnect\n" << s.output();
    // Quit sends "quit" while connected: click it once the second close
    // has printed its hint.
    int yellow_reconnected = closed.count_ink(0xFFFF55, 0, 0, output_width, output_height);
    s.server.close_connection(true);
    screenshot closed_again;
    EXPECT_TRUE(wait_for_screen(
        &closed_again,
        [&](const screenshot &shot) {
            return shot.count_ink(0xFFFF55, 0, 0, output_width, output_height) > yellow_reconnected + 20;
        },
        wait_ms));
    s.click(930, 80);
    EXPECT_EQ(s.wait_exit(wait_ms), 0) << "Quit did not end the client";
}

TEST(client_e2e, quit_command_ends_the_client_with_status_zero)
{
    client_session s;
    ASSERT_TRUE(s.start()) << s.failure();
    s.type("//quit");
    s.key("Return");
    EXPECT_EQ(s.wait_exit(wait_ms), 0);
    EXPECT_EQ(s.server.received().find("//quit"), std::string::npos);
    // Through the countdown: the frame saves and closes itself, and the main
    // loop then ends normally rather than by the forced exit.
    std::string out = s.output();
    size_t request = out.find("xirr_mw system_shutdown_handler.\n");
    size_t close = out.find("xirr_mw::shutdown - requested exit\n");
    size_t end = out.find("--------------------------- PROGRAM EXIT --------------------------\n");
    ASSERT_NE(request, std::string::npos) << out;
    EXPECT_TRUE(close != std::string::npos && close > request) << out;
    EXPECT_TRUE(end != std::string::npos && end > close) << out;
    EXPECT_EQ(out.find("exit forced"), std::string::npos) << out;
}

TEST(client_e2e, end_of_a_burst_shows_at_once)
{
    // One write: plenty of text and a record at its very end, then silence.
    // The record must be handled without waiting for more bytes.
    std::string burst;
    for (int i = 0; burst.size() < 200000; i++)
        burst += "Line " + std::to_string(i) + " of the burst \033[1m\033[32mgreen\033[0m text.\n";
    burst += ";slogin;Burst;elogin;";
    client_session s;
    ASSERT_TRUE(s.start()) << s.failure();
    s.server.send(burst);
    EXPECT_TRUE(s.wait_for_title("Veymoor - Player Burst", wait_ms)) << s.title();
    EXPECT_TRUE(s.server.wait_for_received("sklstatus ", wait_ms));
}

TEST(client_e2e, rebuild_line_makes_the_client_remap)
{
    client_session s;
    ASSERT_TRUE(s.start()) << s.failure();
    s.server.send("Vudedu imms: rebuild please now\nGossip: imms: rebuild please?\n");
    s.server.send("Vudedu imms: rebuild please\n");
    ASSERT_TRUE(s.server.wait_for_received(
        "aset remap\nimm in progress, please wait approximately two minutes for maps to be built and transfer\n",
        wait_ms))
        << s.server.received();
    EXPECT_EQ(s.server.received().find("aset remap"), s.server.received().rfind("aset remap"));

    // A last line without its newline reaches the hook after three ticks.
    size_t before = s.server.received().size();
    s.server.send("Vudedu imms: rebuild please");
    ASSERT_TRUE(s.server.wait_for_received_bytes(before + 11, wait_ms));
    pause_ms(100);
    EXPECT_EQ(s.server.received().substr(before, 11), "aset remap\n");
}
