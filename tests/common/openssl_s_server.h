#ifndef SKIFF_TESTS_COMMON_OPENSSL_S_SERVER_H
#define SKIFF_TESTS_COMMON_OPENSSL_S_SERVER_H

#include <string>
#include <sys/types.h>

// "openssl s_server -quiet" on 127.0.0.1 with a certificate written at start:
// what the client sends appears on its standard output, what is written to
// its standard input goes to the client.
class openssl_s_server {
public:
    openssl_s_server();
    ~openssl_s_server();
    // Starts the server and waits until it accepts connections.
    bool start();
    int port() const { return port_; }
    // Writes to the server's standard input (sent to the client).
    bool send(const std::string &bytes);
    // Waits up to ms for its standard output to contain text.
    bool wait_for_output(const std::string &text, int ms);
    // Ends the process: the connection drops.
    void kill_server();

private:
    pid_t pid_ = -1;
    int port_ = 0;
    int to_server_ = -1;
    int from_server_ = -1;
    std::string output_;
};

#endif
