#ifndef SKIFF_TOOLS_DEMO_SERVER_DEMO_SERVER_H
#define SKIFF_TOOLS_DEMO_SERVER_DEMO_SERVER_H

#include <csignal>
#include <ctime>
#include <map>
#include <string>

#include <openssl/ssl.h>

#include "tools/skiff-demo-server/demo_world.h"

// The demo server's network side: a TLS listener on 127.0.0.1 and any
// number of clients, all on one thread around poll().  Bytes from a client
// become clean lines for the world; a client that misbehaves (a failed
// or slow handshake, not reading its output) is dropped, and
// nothing a client sends stops the server.
class demo_server : public demo_output {
public:
    demo_server();
    ~demo_server() override;
    demo_server(const demo_server &) = delete;
    demo_server &operator=(const demo_server &) = delete;

    // Listens on 127.0.0.1:port (0 picks a free port); false on failure.
    bool listen_on(int port);
    int port() const { return port_; }
    // Serves until *stop becomes nonzero.  Returns the exit status.
    int run(volatile sig_atomic_t *stop);

    void send(int id, const std::string &bytes) override;
    void close(int id) override;

private:
    struct connection {
        int fd = -1;
        SSL *ssl = nullptr;
        bool handshaken = false;
        bool closing = false;  // close once the output is written
        bool dead = false;
        bool want_write = false;  // TLS waits for the socket to take bytes
        bool discarding = false;  // inside an over-long line
        int telnet = 0;           // bytes of a telnet command still to skip
        std::string line;
        std::string out;
        time_t since = 0;
    };

    SSL_CTX *context_ = nullptr;
    int listener_ = -1;
    int port_ = 0;
    int next_id_ = 1;
    std::map<int, connection> connections_;
    demo_world world_;

    void accept_clients();
    void service(int id, connection &c);
    void handshake(int id, connection &c);
    void read_from(int id, connection &c);
    void take_bytes(int id, connection &c, const char *data, int n);
    void write_to(connection &c);
    void check_idle(connection &c, time_t now);
    void reap();
};

#endif
