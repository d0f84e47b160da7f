#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>

#include "app/server_address.h"
#include "config/skiff_config.h"
#include "protocol/xirr_game_connection.h"
#include "support/ssl_context.h"
#include "tests/common/connection_fakes.h"
#include "tests/common/log_watch.h"
#include "tools/lib/fake_server.h"

namespace {

const std::string hint_tail =
    "\n\nTo log in again, type '[1;33]connect[0;37]' or use the [1;33]File / Connect[0;37] menu option.\n\n";

std::string closed_message(const std::string &message)
{
    return "[0;37]\n\n" + message + hint_tail;
}

class GameConnectionTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(init_ssl()); }

    SkiffConfig config;
    recording_connection_host host;
    recording_data_sink sink;
    xirr_game_connection connection{host, sink, config};

    void SetUp() override
    {
        config.setup_default_config(nullptr);
        config.create_default_uuid();
    }

    void TearDown() override
    {
        set_game_server((std::string(default_game_host) + ":" + std::to_string(default_game_port)).c_str());
    }

    void aim_at(const fake_server &server)
    {
        ASSERT_TRUE(set_game_server(("127.0.0.1:" + std::to_string(server.port())).c_str()));
    }

    // Ticks every 5 ms until done() holds or ~5 s pass.
    template <typename Done> bool tick_until(Done done)
    {
        for (int i = 0; i < 1000; i++) {
            connection.socket_handler();
            if (done())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    void tick(int count)
    {
        for (int i = 0; i < count; i++) {
            connection.socket_handler();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    // First tick connects; the next makes the connection active.
    void connect_and_activate(fake_server &server)
    {
        aim_at(server);
        connection.socket_handler();
        ASSERT_TRUE(connection.auto_connect_done());
        connection.socket_handler();
        ASSERT_TRUE(connection.connection_active());
    }
};

TEST_F(GameConnectionTest, FirstTickConnectsAndIdentifies)
{
    fake_server server;
    ASSERT_TRUE(server.start());
    connect_and_activate(server);
    EXPECT_EQ("<msg>\nConnecting to server...\n", host.output);
    EXPECT_EQ(1, host.history_set);
    EXPECT_EQ(1, sink.resets);

    std::string uuid = config.uuid();
    EXPECT_TRUE(std::regex_match(uuid, std::regex("DFLT[0-9a-f]{28}"))) << uuid;
    ASSERT_TRUE(tick_until([&] { return server.received().size() >= 55; }));
    EXPECT_EQ("_Skiff " + uuid + " 1.095-gtk-test1\n", server.received());
    EXPECT_EQ(0, connection.outgoing().length());
}

// All bytes of a burst arrive in the tick that first sees any of them, even
// the part that TLS has decrypted but the socket no longer signals.
TEST_F(GameConnectionTest, BurstInOneWriteIsDrainedInOneTick)
{
    fake_server server;
    ASSERT_TRUE(server.start());
    connect_and_activate(server);
    std::string burst(16000, ' ');
    for (size_t i = 0; i < burst.size(); i++)
        burst[i] = (char)(i % 251);
    server.send(burst);
    ASSERT_TRUE(server.wait_until_idle(3000));
    ASSERT_TRUE(tick_until([&] { return !sink.data.empty(); }));
    EXPECT_EQ(burst, sink.data);
    EXPECT_GE(sink.chunk_sizes.size(), 2u);
    for (int size : sink.chunk_sizes)
        EXPECT_LE(size, 10000);
}

TEST_F(GameConnectionTest, ServerCloseShowsMessageOnceAndNeverRetries)
{
    for (bool notify : {true, false}) {
        SCOPED_TRACE(notify);
        fake_server server;
        ASSERT_TRUE(server.start());
        if (!connection.auto_connect_done()) {
            connect_and_activate(server);
        } else {
            connection.socket_connect(server.port());
            tick(1);
        }
        ASSERT_TRUE(connection.connection_active());
        connection.login_state = 2;
        host.output.clear();
        server.send("Farewell.\n");
        server.close_connection(notify);
        ASSERT_TRUE(tick_until([&] { return !connection.connection_active(); }));
        ASSERT_GE(sink.data.size(), 10u) << host.output;
        EXPECT_EQ("Farewell.\n", sink.data.substr(sink.data.size() - 10));
        EXPECT_EQ(closed_message("Connection closed by server."), host.output);
        EXPECT_EQ("Veymoor", host.title);
        EXPECT_EQ("Connect", host.hint_buttons[0][0]);
        EXPECT_EQ("connect", host.hint_buttons[0][1]);
        EXPECT_EQ("Quit", host.hint_buttons[11][0]);
        EXPECT_EQ("quit", host.hint_buttons[11][1]);
        EXPECT_EQ(0, connection.login_state);
        EXPECT_EQ(0, host.history_set);
        EXPECT_FALSE(host.direction_buttons);
        tick(10);
        EXPECT_EQ(closed_message("Connection closed by server."), host.output);
        EXPECT_EQ(1, server.accepted());
    }
}

TEST_F(GameConnectionTest, FailedConnectsShowMessageAndDoNotRetry)
{
    struct {
        const char *name;
        bool listen;
        bool handshake;
    } cases[] = {{"refused", false, true}, {"silent server", true, false}};
    for (auto &c : cases) {
        SCOPED_TRACE(c.name);
        recording_connection_host fresh_host;
        xirr_game_connection fresh(fresh_host, sink, config);
        fresh.connect_time_limit_ms = 200;
        fake_server_options options;
        options.handshake = c.handshake;
        fake_server server(options);
        ASSERT_TRUE(server.start());
        aim_at(server);
        if (!c.listen)
            server.stop();
        fresh.socket_handler();
        EXPECT_EQ("<msg>\nConnecting to server...\n" + closed_message("Unable to connect to server."),
                  fresh_host.output);
        EXPECT_EQ("Connect", fresh_host.hint_buttons[0][0]);
        for (int i = 0; i < 5; i++)
            fresh.socket_handler();
        EXPECT_FALSE(fresh.connection_active());
        EXPECT_EQ(xirr_tcp_socket::unconnected, fresh.game_socket().get_state());
        EXPECT_EQ("<msg>\nConnecting to server...\n" + closed_message("Unable to connect to server."),
                  fresh_host.output);
        if (c.listen) {
            EXPECT_EQ(1, server.accepted());
        }
    }
}

TEST_F(GameConnectionTest, DisconnectShowsMessageOnce)
{
    fake_server server;
    ASSERT_TRUE(server.start());
    connect_and_activate(server);
    host.output.clear();
    connection.close_connection("Disconnecting.");
    EXPECT_EQ(closed_message("Disconnecting."), host.output);
    tick(5);
    EXPECT_EQ(closed_message("Disconnecting."), host.output);
    EXPECT_TRUE(server.wait_for_peer_close(3000));
}

// Bytes queued while disconnected are dropped by the next connect; a
// reconnect on another port identifies again with the same uuid.
TEST_F(GameConnectionTest, ReconnectDropsQueuedTextAndIdentifiesAgain)
{
    fake_server first, second;
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(second.start());
    connect_and_activate(first);
    connection.close_connection("Disconnecting.");
    connection.send_line("look");
    ASSERT_TRUE(set_game_server("127.0.0.1"));
    connection.socket_connect(second.port());
    std::string identification = std::string("_Skiff ") + config.uuid() + " 1.095-gtk-test1\n";
    ASSERT_TRUE(tick_until([&] { return second.received().size() >= identification.size(); }));
    tick(3);
    EXPECT_EQ(identification, second.received());
    EXPECT_EQ(identification, first.received());
}

TEST_F(GameConnectionTest, OutgoingBufferFillsExactlyAndDropsTheRest)
{
    std::string line(9999, 'x');
    log_watch log;
    connection.send_line(line.c_str());
    EXPECT_EQ(10000, connection.outgoing().length());
    EXPECT_EQ(line + "\n", std::string(connection.outgoing().data(), 10000));
    const std::string error = "Error in append_outgoing_string() - not enough space in outgoing buffer?\n";
    EXPECT_EQ(error, log.text());
    connection.append_outgoing_string("more");
    EXPECT_EQ(10000, connection.outgoing().length());
    EXPECT_EQ(error + error, log.text());
}

TEST(OutgoingBuffer, PartialWriteKeepsTheRestInOrder)
{
    xirr_outgoing_buffer buffer;
    EXPECT_EQ(10, buffer.append("0123456789", 10));
    buffer.consume(3);
    EXPECT_EQ("3456789", std::string(buffer.data(), buffer.length()));
    EXPECT_EQ(2, buffer.append("ab", 2));
    buffer.consume(0);
    EXPECT_EQ("3456789ab", std::string(buffer.data(), buffer.length()));
    buffer.consume(9);
    EXPECT_EQ(0, buffer.length());
    std::string big(12000, 'z');
    EXPECT_EQ(10000, buffer.append(big.c_str(), 12000));
    EXPECT_EQ(0, buffer.append("a", 1));
}

TEST_F(GameConnectionTest, PingOnlyWhenLoggedInAndFifthChecksVotes)
{
    for (int state : {0, 1, 3}) {
        connection.login_state = state;
        connection.send_ping();
    }
    EXPECT_EQ(0, connection.outgoing().length());
    EXPECT_EQ(0, connection.ping_counter());
    connection.login_state = 2;
    for (int i = 1; i <= 4; i++)
        connection.send_ping();
    EXPECT_EQ(0, host.vote_checks);
    EXPECT_EQ(4, connection.ping_counter());
    connection.send_ping();
    EXPECT_EQ(1, host.vote_checks);
    EXPECT_EQ(0, connection.ping_counter());
    std::string five;
    for (int i = 0; i < 5; i++)
        five += "skping\n";
    EXPECT_EQ(five, std::string(connection.outgoing().data(), connection.outgoing().length()));
    EXPECT_LT(connection.ping_elapsed_ms(), 1000);
}

TEST_F(GameConnectionTest, StatusReportFieldsAndRequestFlag)
{
    config.request_status_report();
    connection.send_pending_status_report();
    EXPECT_TRUE(host.commands.empty());  // not logged in
    connection.login_state = 2;
    connection.send_pending_status_report();
    ASSERT_EQ(1u, host.commands.size());
    // The default record.
    EXPECT_EQ("sklstatus 11010111111121101101  1  2  3", host.commands[0]);
    EXPECT_FALSE(config.status_report_requested());
    connection.send_pending_status_report();
    EXPECT_EQ(1u, host.commands.size());

    config.current_char_cfg->put(char_option::group_status_display, 7);
    config.current_char_cfg->put(char_option::current_layout, 1);
    config.current_char_cfg->put(char_option::font_colors_setting, 4);
    config.current_char_cfg->put(char_option::current_theme, 12);
    config.current_char_cfg->put(char_option::automap_docked, 5);
    config.voting_reminders = 0;
    connection.send_status_report();
    EXPECT_EQ("sklstatus 11010111111011101190 12  2  3", host.commands[1]);
}

TEST_F(GameConnectionTest, BreakAndAbortBytes)
{
    connection.send_break();
    connection.send_abort();
    EXPECT_EQ("\x03\n\x1A\n", std::string(connection.outgoing().data(), connection.outgoing().length()));
    EXPECT_EQ(2, host.unlocks);
}

} // namespace
