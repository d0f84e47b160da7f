#include "tools/lib/fake_server.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/err.h>

#include "tools/lib/self_signed_cert.h"

namespace {

int open_loopback_listener(int backlog, int *port)
{
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(fd, (sockaddr *)&address, sizeof address) != 0 || listen(fd, backlog) != 0 ||
        getsockname(fd, (sockaddr *)&address, &length) != 0) {
        close(fd);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return fd;
}

bool would_block(int ssl_error)
{
    return ssl_error == SSL_ERROR_WANT_READ || ssl_error == SSL_ERROR_WANT_WRITE;
}

} // namespace

fake_server::fake_server(const fake_server_options &options) : options_(options) {}

fake_server::~fake_server()
{
    stop();
}

bool fake_server::start()
{
    signal(SIGPIPE, SIG_IGN);
    if (options_.tls) {
        context_ = make_self_signed_server_context();
        if (!context_)
            return false;
    }
    listener_ = open_loopback_listener(16, &port_);
    if (listener_ < 0)
        return false;
    thread_ = std::thread(&fake_server::run, this);
    return true;
}

void fake_server::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    if (thread_.joinable())
        thread_.join();
    drop_connection(false);
    for (int fd : lingering_)
        close(fd);
    lingering_.clear();
    if (listener_ >= 0)
        close(listener_);
    listener_ = -1;
    SSL_CTX_free(context_);
    context_ = nullptr;
}

void fake_server::send(const std::string &bytes)
{
    std::lock_guard<std::mutex> lock(mutex_);
    actions_.push_back({action::send_bytes, bytes});
    busy_ = true;
}

void fake_server::close_connection(bool notify)
{
    std::lock_guard<std::mutex> lock(mutex_);
    actions_.push_back({notify ? action::close_notify : action::close_drop, std::string()});
    busy_ = true;
}

void fake_server::set_reading(bool on)
{
    std::lock_guard<std::mutex> lock(mutex_);
    reading_ = on;
}

void fake_server::on_receive(receive_handler handler)
{
    std::lock_guard<std::mutex> lock(mutex_);
    handler_ = std::move(handler);
}

template <typename Pred> bool fake_server::wait_until(int ms, Pred pred)
{
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms), pred);
}

bool fake_server::wait_for_connections(int count, int ms)
{
    return wait_until(ms, [&] { return (int)received_.size() >= count; });
}

bool fake_server::wait_for_accepted(int count, int ms)
{
    return wait_until(ms, [&] { return accepted_ >= count; });
}

bool fake_server::wait_for_received(const std::string &text, int ms)
{
    return wait_until(ms, [&] { return !received_.empty() && received_.back().find(text) != std::string::npos; });
}

bool fake_server::wait_for_received_bytes(size_t count, int ms)
{
    return wait_until(ms, [&] { return !received_.empty() && received_.back().size() >= count; });
}

bool fake_server::wait_for_peer_close(int ms)
{
    return wait_until(ms, [&] { return current_.peer_closed; });
}

bool fake_server::wait_until_idle(int ms)
{
    return wait_until(ms, [&] { return !busy_; });
}

std::string fake_server::received() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return received_.empty() ? std::string() : received_.back();
}

std::string fake_server::received(int index) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return index >= 0 && index < (int)received_.size() ? received_[index] : std::string();
}

int fake_server::connections() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return (int)received_.size();
}

int fake_server::accepted() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return accepted_;
}

int fake_server::handshake_failures() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return handshake_failures_;
}

bool fake_server::peer_closed() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return current_.peer_closed;
}

void fake_server::run()
{
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_)
                return;
        }
        poll_once();
        run_actions();
        poll_lingering();
    }
}

void fake_server::poll_once()
{
    bool reading;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        reading = reading_;
    }
    bool stalled = current_.fd >= 0 && options_.tls && !options_.handshake;
    bool watch = current_.fd >= 0 && !current_.peer_closed && !stalled &&
                 (reading || !current_.established);
    pollfd fds[2] = {{listener_, POLLIN, 0}, {current_.fd, POLLIN, 0}};
    bool buffered = watch && current_.ssl && SSL_has_pending(current_.ssl);
    poll(fds, watch ? 2 : 1, buffered ? 0 : 10);
    if (fds[0].revents & POLLIN)
        accept_connection();
    if (!watch || current_.fd < 0)
        return;
    if (!current_.established)
        step_handshake();
    else
        read_available();
}

void fake_server::poll_lingering()
{
    for (size_t i = 0; i < lingering_.size();) {
        char buffer[4096];
        ssize_t n = recv(lingering_[i], buffer, sizeof buffer, 0);
        if (n > 0 || (n < 0 && (errno == EAGAIN || errno == EINTR))) {
            i++;
            continue;
        }
        close(lingering_[i]);
        lingering_.erase(lingering_.begin() + (long)i);
    }
}

void fake_server::accept_connection()
{
    int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0)
        return;
    drop_connection(false);
    current_.fd = fd;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        accepted_++;
        current_.peer_closed = false;
    }
    changed_.notify_all();
    if (!options_.tls) {
        established();
        return;
    }
    if (!options_.handshake)
        return;
    current_.ssl = SSL_new(context_);
    if (!current_.ssl || SSL_set_fd(current_.ssl, fd) != 1) {
        drop_connection(false);
        return;
    }
    step_handshake();
}

void fake_server::step_handshake()
{
    ERR_clear_error();
    int r = SSL_accept(current_.ssl);
    if (r == 1) {
        established();
        return;
    }
    if (would_block(SSL_get_error(current_.ssl, r)))
        return;
    ERR_clear_error();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        handshake_failures_++;
    }
    drop_connection(false);
    changed_.notify_all();
}

void fake_server::established()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        current_.established = true;
        current_.index = (int)received_.size();
        received_.emplace_back();
    }
    changed_.notify_all();
    if (!options_.greeting.empty())
        write_all(options_.greeting);
}

void fake_server::read_available()
{
    char buffer[16384];
    for (;;) {
        int n;
        if (current_.ssl) {
            ERR_clear_error();
            n = SSL_read(current_.ssl, buffer, sizeof buffer);
            if (n <= 0 && would_block(SSL_get_error(current_.ssl, n)))
                return;
        } else {
            n = (int)recv(current_.fd, buffer, sizeof buffer, 0);
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                return;
        }
        if (n <= 0) {
            note_peer_closed();
            return;
        }
        std::string chunk(buffer, (size_t)n);
        receive_handler handler;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            received_[current_.index] += chunk;
            handler = handler_;
        }
        changed_.notify_all();
        if (handler)
            handler(*this, chunk);
    }
}

void fake_server::note_peer_closed()
{
    ERR_clear_error();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        current_.peer_closed = true;
    }
    changed_.notify_all();
}

void fake_server::run_actions()
{
    for (;;) {
        action next;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (actions_.empty() || !current_.established) {
                busy_ = !actions_.empty();
                if (!busy_)
                    changed_.notify_all();
                return;
            }
            next = actions_.front();
            actions_.pop_front();
        }
        if (next.kind == action::send_bytes)
            write_all(next.bytes);
        else
            drop_connection(next.kind == action::close_notify);
    }
}

bool fake_server::wait_writable(bool want_read)
{
    pollfd p = {current_.fd, (short)(want_read ? POLLIN : POLLOUT), 0};
    poll(&p, 1, 10);
    std::lock_guard<std::mutex> lock(mutex_);
    return !stopping_;
}

// One write call (one TLS record up to 16 KiB), repeated only while the
// socket would block.
bool fake_server::write_all(const std::string &bytes)
{
    size_t done = 0;
    while (done < bytes.size() && current_.fd >= 0) {
        int n;
        if (current_.ssl) {
            ERR_clear_error();
            n = SSL_write(current_.ssl, bytes.data(), (int)bytes.size());
            int error = n > 0 ? SSL_ERROR_NONE : SSL_get_error(current_.ssl, n);
            if (n <= 0 && would_block(error) && wait_writable(error == SSL_ERROR_WANT_READ))
                continue;
            if (n <= 0)
                return false;
            done = bytes.size();
        } else {
            n = (int)::send(current_.fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
            if (n < 0 && (errno == EAGAIN || errno == EINTR) && wait_writable(false))
                continue;
            if (n < 0)
                return false;
            done += (size_t)n;
        }
    }
    return done == bytes.size();
}

void fake_server::drop_connection(bool notify)
{
    if (current_.ssl) {
        if (notify && current_.established)
            SSL_shutdown(current_.ssl);
        SSL_free(current_.ssl);
        ERR_clear_error();
    }
    if (current_.fd >= 0) {
        shutdown(current_.fd, SHUT_WR);
        lingering_.push_back(current_.fd);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    current_.fd = -1;
    current_.ssl = nullptr;
    current_.established = false;
}

full_backlog_listener::full_backlog_listener()
{
    int port = 0;
    listener_ = open_loopback_listener(0, &port);
    if (listener_ < 0)
        return;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons((unsigned short)port);
    // Connect until one stays unanswered: the queue is full from then on.
    for (int i = 0; i < 16; i++) {
        int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return;
        fillers_.push_back(fd);
        connect(fd, (sockaddr *)&address, sizeof address);
        pollfd p = {fd, POLLOUT, 0};
        if (poll(&p, 1, 100) == 0) {
            port_ = port;
            return;
        }
    }
}

full_backlog_listener::~full_backlog_listener()
{
    for (int fd : fillers_)
        close(fd);
    if (listener_ >= 0)
        close(listener_);
}
