#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "protocol/tagged_stream_parser.h"
#include "support/debug_log.h"
#include "support/ssl_context.h"
#include "support/xirr_tcp_socket.h"

namespace {

sockaddr_in loopback()
{
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// The demo server binary on a free port; stopped with SIGTERM at the end.
class demo_server_process {
public:
    bool start()
    {
        int out[2];
        if (pipe(out) != 0)
            return false;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], 1);
            ::close(out[0]);
            ::close(out[1]);
            std::string program = std::string(SKIFF_BUILD_DIR) + "/skiff-demo-server";
            execl(program.c_str(), program.c_str(), "--port", "0", (char *)nullptr);
            _exit(127);
        }
        ::close(out[1]);
        output_ = fdopen(out[0], "r");
        char line[200];
        if (pid_ < 0 || !output_ || !fgets(line, sizeof(line), output_))
            return false;
        const char *colon = strrchr(line, ':');
        port_ = colon ? atoi(colon + 1) : 0;
        return port_ > 0;
    }
    // Exit status after SIGTERM, or -1.
    int stop()
    {
        if (pid_ <= 0)
            return -1;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    bool running() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }
    ~demo_server_process()
    {
        stop();
        if (output_)
            fclose(output_);
    }
    int port() const { return port_; }

private:
    pid_t pid_ = -1;
    FILE *output_ = nullptr;
    int port_ = 0;
};

// A game connection as the client makes it: TLS socket, and the client's own
// stream parser turning the bytes into text and records.
class game_client : public tagged_stream_sink {
public:
    std::string text;
    std::vector<std::pair<std::string, std::string>> records;
    int hidden = 0;
    int normal = 0;
    bool gone = false;

    bool connect(int port)
    {
        return socket_.enable_ssl() && socket_.connect_with_timeout(loopback(), port, 3000) == 1;
    }
    void send_line(const std::string &line)
    {
        std::string bytes = line + "\n";
        ASSERT_EQ(socket_.write_with_timeout(bytes.data(), static_cast<int>(bytes.size()), 3000),
                  static_cast<int>(bytes.size()));
    }
    // Reads until done() holds, the connection ends or 5 s pass.
    bool wait_for(const std::function<bool()> &done)
    {
        char buffer[10000];
        for (int i = 0; i < 500 && !done(); ++i) {
            int n = socket_.read_with_timeout(buffer, sizeof(buffer), 10);
            if (n < 0) {
                gone = true;
                break;
            }
            if (n > 0)
                parser_.process_socket_data(buffer, n);
        }
        return done();
    }
    bool wait_for_text(const std::string &what)
    {
        return wait_for([&] { return text.find(what) != std::string::npos; });
    }
    bool wait_for_record(const std::string &name, const std::string &payload)
    {
        return wait_for([&] { return has_record(name, payload); });
    }
    bool has_record(const std::string &name, const std::string &payload) const
    {
        for (auto &r : records)
            if (r.first == name && r.second == payload)
                return true;
        return false;
    }
    void log_in(const std::string &name)
    {
        send_line("_Skiff DFLT0123456789abcdef0123456789ab 1.095-gtk-test1");
        ASSERT_TRUE(wait_for_text("By what name are you known?"));
        send_line(name);
        ASSERT_TRUE(wait_for([&] { return hidden == 1; })) << "password not hidden";
        send_line("secret");
        ASSERT_TRUE(wait_for([&] { return normal == 1; })) << "input not shown again";
        std::string shown = name;
        shown[0] = static_cast<char>(toupper(shown[0]));
        ASSERT_TRUE(wait_for_record("login", shown));
    }
    void raw_write(const std::string &bytes)
    {
        socket_.write_with_timeout(bytes.data(), static_cast<int>(bytes.size()), 3000);
    }

    void text_run(const char *data, int length) override { text.append(data, length); }
    void process_tagged_data(const char *name, const char *payload, int length) override
    {
        records.push_back({name, std::string(payload, length)});
    }
    void ring_bell() override {}
    void set_hidden_input() override { ++hidden; }
    void set_normal_input() override { ++normal; }

private:
    xirr_tcp_socket socket_;
    tagged_stream_parser parser_{this};
};

class demo_server_test : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(init_ssl()); }
    void SetUp() override
    {
        saved_level_ = debug_level;
        debug_level = 0;  // TLS reports of the junk clients
        ASSERT_TRUE(server.start());
    }
    void TearDown() override { debug_level = saved_level_; }

    demo_server_process server;
    int saved_level_ = 3;
};

}  // namespace

TEST_F(demo_server_test, login_ping_look_and_quit)
{
    game_client a;
    ASSERT_TRUE(a.connect(server.port()));
    a.log_in("tester");
    EXPECT_NE(a.text.find("\x1b[1m\x1b[36m"), std::string::npos);  // colours reach the text as sent

    a.send_line("skping");
    EXPECT_TRUE(a.wait_for_record("event", "skpong"));

    a.records.clear();
    a.send_line("look");
    EXPECT_TRUE(a.wait_for_record("dirs", "on CV"));  // north, east, south, west: 1|4|16|64 = 85
    EXPECT_TRUE(a.wait_for([&] {
        for (auto &r : a.records)
            if (r.first == "map")
                return true;
        return false;
    }));

    a.send_line("records");
    for (const char *name : {"hp", "xpp", "enemyhp", "icons", "skystate", "group", "b1", "bf1", "areaname",
                             "sound", "chdiv", "chudiv", "divert", "undivert", "append", "unappend", "config"})
        EXPECT_TRUE(a.wait_for([&] {
            for (auto &r : a.records)
                if (r.first == name)
                    return true;
            return false;
        })) << name;

    a.send_line("quit");
    EXPECT_TRUE(a.wait_for_record("event", "logoff"));
    EXPECT_TRUE(a.wait_for([&] { return a.gone; }));
    EXPECT_EQ(server.stop(), 0);
}

TEST_F(demo_server_test, two_players_talk_and_bad_clients_do_not_stop_it)
{
    game_client a, b;
    ASSERT_TRUE(a.connect(server.port()));
    ASSERT_TRUE(b.connect(server.port()));
    a.log_in("alda");
    b.log_in("brun");

    // A client that is not TLS at all, and one that sends junk.
    int raw = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback();
    address.sin_port = htons(static_cast<uint16_t>(server.port()));
    ASSERT_EQ(connect(raw, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ASSERT_GT(write(raw, "GET / HTTP/1.0\r\n\r\n", 18), 0);
    close(raw);
    game_client junk;
    ASSERT_TRUE(junk.connect(server.port()));
    std::string noise(20000, 'x');
    noise += std::string("\xff\xfd\x01\0\x07;;;\r\n\xff\xff", 12);
    junk.raw_write(noise);
    junk.raw_write("\n\n");

    a.send_line("say hello;world");
    EXPECT_TRUE(b.wait_for_text("Alda says 'hello;world'"));  // the ';' survives the stream's escape
    a.send_line("gossip anyone here?");
    EXPECT_TRUE(b.wait_for_record("chdiv", "gossip"));
    EXPECT_TRUE(b.wait_for_text("[gossip] Alda: anyone here?"));

    b.send_line("who");
    EXPECT_TRUE(b.wait_for_text("2 players online."));
    EXPECT_TRUE(server.running());
}
