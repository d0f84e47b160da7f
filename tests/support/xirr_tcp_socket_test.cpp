#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <string>

#include "support/ssl_context.h"
#include "support/xirr_tcp_socket.h"
#include "tests/common/log_watch.h"
#include "tests/common/openssl_s_server.h"
#include "tools/lib/fake_server.h"

namespace {

sockaddr_in loopback()
{
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Reads until want bytes arrived, the connection ends or ~5 s pass.
std::string read_some(xirr_tcp_socket &socket, size_t want, int chunk = 4096)
{
    std::string got;
    char buffer[16384];
    for (int i = 0; i < 500 && got.size() < want; i++) {
        int n = socket.read_with_timeout(buffer, chunk, 10);
        if (n < 0)
            break;
        got.append(buffer, (size_t)n);
    }
    return got;
}

// Reads until the connection ends; the result of the last read.
int read_until_gone(xirr_tcp_socket &socket)
{
    char buffer[4096];
    for (int i = 0; i < 500; i++) {
        int n = socket.read_with_timeout(buffer, sizeof buffer, 10);
        if (n < 0)
            return n;
    }
    return 0;
}

class TcpSocketTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(init_ssl()); }
    xirr_tcp_socket socket;

    void TearDown() override { socket.close(); }
    void connect_tls(int port, int ms = 3000)
    {
        ASSERT_TRUE(socket.enable_ssl());
        ASSERT_EQ(1, socket.connect_with_timeout(loopback(), port, ms));
        ASSERT_EQ(xirr_tcp_socket::connected, socket.get_state());
    }
};

TEST_F(TcpSocketTest, TlsBytesFlowBothWaysWithFakeServer)
{
    fake_server_options options;
    options.greeting = "Welcome to the test server\n";
    fake_server server(options);
    ASSERT_TRUE(server.start());
    connect_tls(server.port());
    EXPECT_EQ(options.greeting, read_some(socket, options.greeting.size()));
    EXPECT_EQ(6, socket.nonblocking_write("look\n\xE9", 6));
    EXPECT_TRUE(server.wait_for_received("look\n\xE9", 3000));
    server.send(std::string("\x00\xFF;s", 4));
    EXPECT_EQ(std::string("\x00\xFF;s", 4), read_some(socket, 4));
}

TEST_F(TcpSocketTest, NonblockingConnectAdvancesThroughPollState)
{
    fake_server server;
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(socket.enable_ssl());
    ASSERT_EQ(0, socket.start_nonblocking_connect(loopback(), server.port()));
    EXPECT_EQ(-1, socket.start_nonblocking_connect(loopback(), server.port()));
    EXPECT_EQ(EINPROGRESS, socket.get_write_error());
    int state = 0;
    for (int i = 0; i < 500 && state != xirr_tcp_socket::connected; i++) {
        state = socket.poll_state();
        if (state == xirr_tcp_socket::ssl_handshake) {
            ASSERT_NE(-1, socket.check_connect());
        }
        usleep(5000);
    }
    ASSERT_EQ(xirr_tcp_socket::connected, state);
    EXPECT_EQ(-1, socket.check_connect());
    EXPECT_EQ(EISCONN, socket.get_write_error());
    EXPECT_EQ(-1, socket.start_nonblocking_connect(loopback(), server.port()));
    EXPECT_EQ(EISCONN, socket.get_write_error());
    EXPECT_TRUE(server.wait_for_connections(1, 3000));
}

TEST_F(TcpSocketTest, BlockingHandshakeAfterNonblockingConnect)
{
    fake_server_options options;
    options.greeting = "hi";
    fake_server server(options);
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(socket.enable_ssl());
    ASSERT_EQ(0, socket.start_nonblocking_connect(loopback(), server.port()));
    EXPECT_EQ(1, socket.ssl_try_connect(true));
    EXPECT_EQ("hi", read_some(socket, 2));
    // Outside the connecting state the handshake is refused and the socket closed.
    EXPECT_EQ(-1, socket.ssl_try_connect(true));
    EXPECT_EQ(ECONNABORTED, socket.get_write_error());
    EXPECT_EQ(xirr_tcp_socket::unconnected, socket.get_state());
}

TEST_F(TcpSocketTest, PeerCloseIsOrderlyWithOrWithoutCloseNotify)
{
    for (bool notify : {true, false}) {
        SCOPED_TRACE(notify);
        fake_server server;
        ASSERT_TRUE(server.start());
        connect_tls(server.port());
        server.close_connection(notify);
        EXPECT_EQ(-1, read_until_gone(socket));
        EXPECT_EQ(0, socket.get_read_error());
        EXPECT_EQ(xirr_tcp_socket::unconnected, socket.get_state());
        socket.close();
    }
}

TEST_F(TcpSocketTest, PlainTcpPeerCloseIsOrderly)
{
    fake_server_options options;
    options.tls = false;
    options.greeting = "plain";
    fake_server server(options);
    ASSERT_TRUE(server.start());
    ASSERT_EQ(1, socket.connect_with_timeout(loopback(), server.port(), 3000));
    EXPECT_EQ("plain", read_some(socket, 5));
    server.close_connection();
    EXPECT_EQ(-1, read_until_gone(socket));
    EXPECT_EQ(0, socket.get_read_error());
}

TEST_F(TcpSocketTest, GarbageInsteadOfTlsIsConnectionAborted)
{
    fake_server_options options;
    options.tls = false;
    options.greeting = std::string("HTTP/1.0 400 Bad request\r\n\r\n") + std::string(200, 'x');
    fake_server server(options);
    ASSERT_TRUE(server.start());
    log_watch log;
    ASSERT_TRUE(socket.enable_ssl());
    EXPECT_EQ(-1, socket.connect_with_timeout(loopback(), server.port(), 3000));
    EXPECT_EQ(ECONNABORTED, socket.get_write_error());
    EXPECT_TRUE(log.contains("SSL connect failed in xirr_tcp_socket::ssl_retry_connect().\n")) << log.text();
    EXPECT_TRUE(log.contains(" - err code 1.\n")) << log.text();
}

TEST_F(TcpSocketTest, RefusedConnectShowsAsFailedHandshake)
{
    int port;
    {
        fake_server server;  // a port that nobody listens on any more
        ASSERT_TRUE(server.start());
        port = server.port();
    }
    ASSERT_TRUE(socket.enable_ssl());
    EXPECT_EQ(-1, socket.connect_with_timeout(loopback(), port, 3000));
    EXPECT_EQ(ECONNABORTED, socket.get_write_error());
}

TEST_F(TcpSocketTest, ConnectToFullBacklogTimesOut)
{
    full_backlog_listener listener;
    ASSERT_NE(0, listener.port());
    ASSERT_TRUE(socket.enable_ssl());
    EXPECT_EQ(-1, socket.connect_with_timeout(loopback(), listener.port(), 150));
    EXPECT_EQ(ETIMEDOUT, socket.get_write_error());
    EXPECT_EQ(xirr_tcp_socket::unconnected, socket.get_state());
}

// A server that accepts and never answers the handshake must not hold the
// caller past the connect time limit.
TEST_F(TcpSocketTest, SilentServerHandshakeTimesOut)
{
    fake_server_options options;
    options.handshake = false;
    fake_server server(options);
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(socket.enable_ssl());
    EXPECT_EQ(-1, socket.connect_with_timeout(loopback(), server.port(), 150));
    EXPECT_EQ(ETIMEDOUT, socket.get_write_error());
    EXPECT_EQ(xirr_tcp_socket::unconnected, socket.get_state());
    EXPECT_EQ(1, server.accepted());
    // The object is reusable afterwards.
    fake_server good;
    ASSERT_TRUE(good.start());
    EXPECT_EQ(1, socket.connect_with_timeout(loopback(), good.port(), 3000));
}

// Decrypted bytes held by the TLS layer are not visible to poll(); a timed
// read must still return them.
TEST_F(TcpSocketTest, TimedReadReturnsBytesHeldByTls)
{
    fake_server server;
    ASSERT_TRUE(server.start());
    connect_tls(server.port());
    std::string burst(15000, 'a');
    for (size_t i = 0; i < burst.size(); i++)
        burst[i] = (char)('a' + i % 26);
    server.send(burst);
    ASSERT_TRUE(server.wait_until_idle(3000));
    std::string got = read_some(socket, 1000, 1000);
    ASSERT_EQ(1000u, got.size());
    EXPECT_GT(socket.pending_bytes(), 0);
    char buffer[20000];
    int n = socket.read_with_timeout(buffer, sizeof buffer, 0);
    ASSERT_GT(n, 0);
    got.append(buffer, (size_t)n);
    got += read_some(socket, burst.size() - got.size());
    EXPECT_EQ(burst, got);
}

TEST_F(TcpSocketTest, TalksToOpensslSServer)
{
    openssl_s_server server;
    ASSERT_TRUE(server.start());
    connect_tls(server.port(), 5000);
    EXPECT_EQ(12, socket.write_with_timeout("from client\n", 12, 1000));
    EXPECT_TRUE(server.wait_for_output("from client\n", 5000));
    ASSERT_TRUE(server.send("from server\n"));
    EXPECT_EQ("from server\n", read_some(socket, 12));
    server.kill_server();
    EXPECT_EQ(-1, read_until_gone(socket));
    EXPECT_EQ(xirr_tcp_socket::unconnected, socket.get_state());
}

TEST_F(TcpSocketTest, MisuseFailsWithCodesAndQuietReads)
{
    char buffer[16];
    log_watch log;
    EXPECT_EQ(-1, socket.nonblocking_read(buffer, sizeof buffer));
    EXPECT_EQ(ENOTCONN, socket.get_read_error());
    EXPECT_EQ(-1, socket.read_with_timeout(buffer, sizeof buffer, 0));
    EXPECT_EQ(-1, socket.nonblocking_write("x", 1));
    EXPECT_EQ(ENOTCONN, socket.get_write_error());
    EXPECT_EQ(-1, socket.write_with_timeout("x", 1, 0));
    EXPECT_EQ(-1, socket.check_connect());
    EXPECT_EQ(ENOTCONN, socket.get_write_error());
    EXPECT_EQ("", log.text());

    EXPECT_TRUE(socket.enable_ssl());
    EXPECT_TRUE(socket.enable_ssl());
    EXPECT_TRUE(log.contains(
        "Error in xirr_server_socket_writeable::make_ssl_capable(), socket already SSL enabled.\n"));

    fake_server server;
    ASSERT_TRUE(server.start());
    ASSERT_EQ(1, socket.connect_with_timeout(loopback(), server.port(), 3000));
    EXPECT_FALSE(socket.disable_ssl());
    EXPECT_FALSE(socket.enable_ssl());
    EXPECT_TRUE(log.contains("Error in xirr_tcp_socket::disable_ssl(), socket not in unconnected state.\n"));
    EXPECT_EQ(0, socket.nonblocking_read(nullptr, 10));
    EXPECT_EQ(0, socket.nonblocking_write("x", 0));
}

TEST_F(TcpSocketTest, DestructorClosesAnOpenSocketAndSaysSo)
{
    fake_server_options options;
    options.tls = false;
    fake_server server(options);
    ASSERT_TRUE(server.start());
    log_watch log;
    {
        xirr_tcp_socket open_socket;
        ASSERT_EQ(1, open_socket.connect_with_timeout(loopback(), server.port(), 3000));
    }
    EXPECT_TRUE(log.contains("Error in ~xirr_tcp_socket(), socket not closed.\n"));
    EXPECT_TRUE(server.wait_for_peer_close(3000));
}

TEST(ResolveHost, DottedQuadRule)
{
    struct {
        const char *text;
        bool quad;
    } cases[] = {
        {"10.0.0.1", true},     {"255.255.255.255", true}, {"1.2.3.4", true},  {"010.0.0.1", true},
        {"10.0.0.256", false},  {"1.2.3", false},          {"1.2.3.4.5", false}, {"1.2.3.", false},
        {"1..2.3", false},      {"a.b.c.d", false},        {"1.2.3.4 ", false},  {"", false},
        {"0001.0002.0003.004", false},  // 13 digits
        {"001.002.003.004", true},
    };
    for (auto &c : cases)
        EXPECT_EQ(c.quad, is_dotted_quad(c.text)) << c.text;
    EXPECT_FALSE(is_dotted_quad(nullptr));
}

TEST(ResolveHost, LiteralAndLocalName)
{
    sockaddr_in address;
    ASSERT_TRUE(resolve_host("10.0.0.1", &address));
    EXPECT_EQ(AF_INET, address.sin_family);
    EXPECT_EQ(htonl(0x0A000001), address.sin_addr.s_addr);
    EXPECT_EQ(0, address.sin_port);
    // Decimal, not octal.
    ASSERT_TRUE(resolve_host("010.0.0.1", &address));
    EXPECT_EQ(htonl(0x0A000001), address.sin_addr.s_addr);
    ASSERT_TRUE(resolve_host("localhost", &address));
    EXPECT_EQ(htonl(INADDR_LOOPBACK), address.sin_addr.s_addr);
    EXPECT_FALSE(resolve_host(nullptr, &address));
}

} // namespace
