#include "tests/common/openssl_s_server.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "tests/common/test_home.h"
#include "tools/lib/self_signed_cert.h"

static int free_loopback_port()
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, (sockaddr *)&address, sizeof address) == 0 &&
        getsockname(fd, (sockaddr *)&address, &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

static bool port_listening(int port)
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons((unsigned short)port);
    bool ok = connect(fd, (sockaddr *)&address, sizeof address) == 0;
    close(fd);
    return ok;
}

openssl_s_server::openssl_s_server() {}

openssl_s_server::~openssl_s_server()
{
    kill_server();
}

bool openssl_s_server::start()
{
    signal(SIGPIPE, SIG_IGN);
    std::string cert = test_home() + "/s_server_cert.pem", key = test_home() + "/s_server_key.pem";
    port_ = free_loopback_port();
    int in[2], out[2];
    if (!write_self_signed_pem(cert.c_str(), key.c_str()) || port_ == 0 || pipe(in) != 0 || pipe(out) != 0)
        return false;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        std::string accept = "127.0.0.1:" + std::to_string(port_);
        execlp("openssl", "openssl", "s_server", "-accept", accept.c_str(), "-cert", cert.c_str(), "-key",
               key.c_str(), "-quiet", (char *)nullptr);
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    to_server_ = in[1];
    from_server_ = out[0];
    fcntl(from_server_, F_SETFL, O_NONBLOCK);
    // s_server shrugs off a probe connection that closes at once.
    for (int i = 0; i < 500; i++) {
        if (port_listening(port_))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

bool openssl_s_server::send(const std::string &bytes)
{
    return write(to_server_, bytes.data(), bytes.size()) == (ssize_t)bytes.size();
}

bool openssl_s_server::wait_for_output(const std::string &text, int ms)
{
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (output_.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        pollfd p = {from_server_, POLLIN, 0};
        poll(&p, 1, 10);
        char buffer[4096];
        ssize_t n = read(from_server_, buffer, sizeof buffer);
        if (n > 0)
            output_.append(buffer, (size_t)n);
    }
    return true;
}

void openssl_s_server::kill_server()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    if (to_server_ >= 0)
        close(to_server_);
    if (from_server_ >= 0)
        close(from_server_);
    to_server_ = from_server_ = -1;
}
