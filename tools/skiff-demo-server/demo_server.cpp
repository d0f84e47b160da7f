#include "tools/skiff-demo-server/demo_server.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include <openssl/err.h>

#include "tools/lib/self_signed_cert.h"

static const int max_clients = 64;
static const size_t max_line = 2000;
static const size_t max_output = 1 << 20;  // a client that stops reading is dropped
static const int handshake_seconds = 20;

demo_server::demo_server() : world_(this) {}

demo_server::~demo_server()
{
    for (auto &entry : connections_) {
        if (entry.second.ssl)
            SSL_free(entry.second.ssl);
        ::close(entry.second.fd);
    }
    if (listener_ >= 0)
        ::close(listener_);
    if (context_)
        SSL_CTX_free(context_);
}

static bool set_nonblocking(int fd)
{
    int flags = fcntl(fd, F_GETFL, 0);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool demo_server::listen_on(int port)
{
    context_ = make_self_signed_server_context();
    if (!context_)
        return false;
    SSL_CTX_set_mode(context_, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0)
        return false;
    int on = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    sockaddr_in address;
    memset(&address, 0, sizeof(address));
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 ||
        listen(listener_, 16) != 0 || !set_nonblocking(listener_))
        return false;
    socklen_t length = sizeof(address);
    getsockname(listener_, reinterpret_cast<sockaddr *>(&address), &length);
    port_ = ntohs(address.sin_port);
    return true;
}

void demo_server::send(int id, const std::string &bytes)
{
    auto it = connections_.find(id);
    if (it == connections_.end() || it->second.dead)
        return;
    connection &c = it->second;
    if (c.out.size() + bytes.size() > max_output) {
        printf("client %d does not read its output; dropping it\n", id);
        c.dead = true;
        return;
    }
    c.out += bytes;
}

void demo_server::close(int id)
{
    auto it = connections_.find(id);
    if (it != connections_.end())
        it->second.closing = true;
}

void demo_server::accept_clients()
{
    for (;;) {
        int fd = accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        if (connections_.size() >= static_cast<size_t>(max_clients)) {
            ::close(fd);
            continue;
        }
        SSL *ssl = SSL_new(context_);
        if (!ssl || SSL_set_fd(ssl, fd) != 1) {
            if (ssl)
                SSL_free(ssl);
            ::close(fd);
            continue;
        }
        SSL_set_accept_state(ssl);
        int id = next_id_++;
        connection &c = connections_[id];
        c.fd = fd;
        c.ssl = ssl;
        c.since = time(nullptr);
        printf("client %d connected\n", id);
    }
}

void demo_server::handshake(int id, connection &c)
{
    ERR_clear_error();
    int r = SSL_accept(c.ssl);
    if (r == 1) {
        c.handshaken = true;
        c.since = time(nullptr);
        world_.connected(id);
        return;
    }
    int error = SSL_get_error(c.ssl, r);
    c.want_write = error == SSL_ERROR_WANT_WRITE;
    if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
        printf("client %d: TLS handshake failed\n", id);
        c.dead = true;
    }
}

void demo_server::read_from(int id, connection &c)
{
    char buffer[4096];
    for (;;) {
        ERR_clear_error();
        int n = SSL_read(c.ssl, buffer, sizeof(buffer));
        if (n > 0) {
            take_bytes(id, c, buffer, n);
            if (c.dead || c.closing)
                return;
            continue;
        }
        int error = SSL_get_error(c.ssl, n);
        if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE)
            c.dead = true;  // closed by the client, or broken
        return;
    }
}

// Lines end at a line feed; CR, other control bytes and telnet commands are
// dropped, and an over-long line is thrown away whole.
void demo_server::take_bytes(int id, connection &c, const char *data, int n)
{
    for (int i = 0; i < n && !c.dead && !c.closing; ++i) {
        unsigned char b = static_cast<unsigned char>(data[i]);
        if (c.telnet > 0) {
            // after IAC: WILL/WONT/DO/DONT take one more byte
            c.telnet = c.telnet == 2 && b >= 0xFB && b <= 0xFE ? 1 : 0;
            continue;
        }
        if (b == 0xFF) {
            c.telnet = 2;
        } else if (b == '\n') {
            bool whole = !c.discarding;
            std::string line;
            line.swap(c.line);
            c.discarding = false;
            if (whole)
                world_.line(id, line);
        } else if (b >= 32 && b != 127 && !c.discarding) {
            if (c.line.size() < max_line)
                c.line += static_cast<char>(b);
            else
                c.discarding = true;
        }
        if (c.discarding)
            c.line.clear();
    }
}

void demo_server::write_to(connection &c)
{
    while (!c.out.empty()) {
        ERR_clear_error();
        int n = SSL_write(c.ssl, c.out.data(), static_cast<int>(c.out.size()));
        if (n > 0) {
            c.out.erase(0, n);
            c.want_write = false;
            continue;
        }
        int error = SSL_get_error(c.ssl, n);
        c.want_write = error == SSL_ERROR_WANT_WRITE;
        if (error != SSL_ERROR_WANT_WRITE && error != SSL_ERROR_WANT_READ)
            c.dead = true;
        return;
    }
}

void demo_server::check_idle(connection &c, time_t now)
{
    if (!c.handshaken && now - c.since > handshake_seconds)
        c.dead = true;
}

void demo_server::service(int id, connection &c)
{
    if (!c.handshaken)
        handshake(id, c);
    if (c.handshaken && !c.dead && !c.closing)
        read_from(id, c);
    if (c.handshaken && !c.dead)
        write_to(c);
}

// Closes the connections that are finished: dead ones at once, closing ones
// once their output is out.
void demo_server::reap()
{
    for (auto it = connections_.begin(); it != connections_.end();) {
        connection &c = it->second;
        bool done = c.dead || (c.closing && c.out.empty());
        if (!done) {
            ++it;
            continue;
        }
        if (!c.dead && c.handshaken)
            SSL_shutdown(c.ssl);
        int id = it->first;
        SSL_free(c.ssl);
        ::close(c.fd);
        it = connections_.erase(it);
        printf("client %d disconnected\n", id);
        world_.disconnected(id);
    }
    fflush(stdout);
}

int demo_server::run(volatile sig_atomic_t *stop)
{
    time_t last_tick = time(nullptr);
    while (!*stop) {
        std::vector<pollfd> fds;
        std::vector<int> ids;
        fds.push_back({listener_, POLLIN, 0});
        for (auto &entry : connections_) {
            short events = POLLIN;
            if (!entry.second.out.empty() || entry.second.want_write)
                events |= POLLOUT;
            fds.push_back({entry.second.fd, events, 0});
            ids.push_back(entry.first);
        }
        int ready = poll(fds.data(), fds.size(), 250);
        if (ready < 0 && errno != EINTR)
            return 1;
        if (ready > 0 && (fds[0].revents & POLLIN))
            accept_clients();
        for (size_t i = 1; i < fds.size(); ++i) {
            auto it = connections_.find(ids[i - 1]);
            if (it != connections_.end() && fds[i].revents)
                service(it->first, it->second);
        }
        time_t now = time(nullptr);
        if (now != last_tick) {
            last_tick = now;
            world_.tick();
            for (auto &entry : connections_)
                check_idle(entry.second, now);
        }
        // Output queued by the world for clients that were not serviced.
        for (auto &entry : connections_)
            if (entry.second.handshaken && !entry.second.dead && !entry.second.out.empty())
                write_to(entry.second);
        reap();
    }
    return 0;
}
