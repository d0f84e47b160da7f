#include "support/xirr_tcp_socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/err.h>

#include "support/debug_log.h"
#include "support/ssl_context.h"

static const char *const cipher_list = "HIGH:@STRENGTH:!aNULL";

static long long now_ms()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Milliseconds left before deadline_ms (-1: no deadline, wait without limit).
static int remaining_ms(long long deadline_ms)
{
    if (deadline_ms < 0)
        return -1;
    long long left = deadline_ms - now_ms();
    return left > 0 ? (int)left : 0;
}

xirr_tcp_socket::xirr_tcp_socket()
    : ssl(nullptr), ssl_enabled(0), fd(-1), peer(), state(unconnected), read_error(0), write_error(0)
{
}

xirr_tcp_socket::~xirr_tcp_socket()
{
    if (fd >= 0) {
        xirr_report("Error in ~xirr_tcp_socket(), socket not closed.", 2);
        close();
    }
    SSL_free(ssl);
}

bool xirr_tcp_socket::enable_ssl()
{
    if (state != unconnected) {
        xirr_report("Error in xirr_tcp_socket::enable_ssl(), socket not in unconnected state.", 2);
        return false;
    }
    if (ssl_enabled)
        xirr_report("Error in xirr_server_socket_writeable::make_ssl_capable(), socket already SSL enabled.", 2);
    else
        ssl_enabled = 1;
    return true;
}

bool xirr_tcp_socket::disable_ssl()
{
    if (state != unconnected) {
        xirr_report("Error in xirr_tcp_socket::disable_ssl(), socket not in unconnected state.", 2);
        return false;
    }
    ssl_enabled = 0;
    SSL_free(ssl);
    ssl = nullptr;
    return true;
}

void xirr_tcp_socket::close()
{
    state = unconnected;
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

int xirr_tcp_socket::pending_bytes() const
{
    return ssl && state == connected ? SSL_pending(ssl) : 0;
}

int xirr_tcp_socket::fail_connect(int error)
{
    write_error = error;
    close();
    return -1;
}

bool xirr_tcp_socket::set_blocking(bool blocking)
{
    int flags = fcntl(fd, F_GETFL);
    if (flags < 0)
        return false;
    flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return fcntl(fd, F_SETFL, flags) == 0;
}

// poll() in place of select(): same readiness, but no FD_SETSIZE limit on the
// descriptor number.  As with select, an error or hang-up counts as readable
// and writable, and only urgent data is "exceptional" (POLLPRI in revents).
int xirr_tcp_socket::wait_ready(short events, int ms, short *revents)
{
    pollfd p = {fd, (short)(events | POLLPRI), 0};
    int n = poll(&p, 1, ms);
    *revents = p.revents;
    return n;
}

int xirr_tcp_socket::wait_ready_or_close(short events, int ms, int *error)
{
    short revents = 0;
    int n = wait_ready(events, ms, &revents);
    if (n < 0) {
        if (errno == EAGAIN || errno == EINTR)
            return 0;
        *error = errno;
        close();
        return -1;
    }
    if (n == 0)
        return 0;
    if (revents & POLLPRI) {
        *error = ECONNRESET;
        close();
        return -1;
    }
    return 1;
}

int xirr_tcp_socket::start_nonblocking_connect(const sockaddr_in &address, int port)
{
    if (state == connecting || state == ssl_handshake) {
        write_error = EINPROGRESS;
        return -1;
    }
    if (state == connected) {
        write_error = EISCONN;
        return -1;
    }
    if (fd >= 0) {
        xirr_report("Error in xirr_tcp_socket::start_nonblocking_connect(), socket not closed.", 2);
        close();
    }
    // Close-on-exec: the browser and other children must not inherit it.
    fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        xirr_report("Error in xirr_tcp_socket::start_nonblocking_connect(), unable to create new socket?", 1);
        write_error = EBADF;
        return -1;
    }
    state = connecting;
    peer = address;
    peer.sin_family = AF_INET;
    peer.sin_port = htons((unsigned short)port);
    set_blocking(false);
    if (connect(fd, (const sockaddr *)&peer, sizeof peer) == 0) {
        write_error = 0;
        return ssl_try_connect(false);
    }
    write_error = errno;
    if (errno == EINTR || errno == EAGAIN || errno == EALREADY || errno == EINPROGRESS) {
        state = connecting;
        return 0;
    }
    if (errno == EISCONN)
        xirr_report("Error in xirr_tcp_socket::start_nonblocking_connect(), socket already connected?", 2);
    close();
    return -1;
}

int xirr_tcp_socket::connect_with_timeout(const sockaddr_in &address, int port, int ms)
{
    long long deadline = ms < 0 ? -1 : now_ms() + ms;
    int r = start_nonblocking_connect(address, port);
    if (r != 0)
        return r;
    return finish_connect_in_time(deadline);
}

// Waits for the TCP connect, then for the handshake, both within the one
// deadline: a server that accepts and then never answers the handshake must
// not hold the caller (the main thread) forever.
int xirr_tcp_socket::finish_connect_in_time(long long deadline_ms)
{
    while (state == connecting) {
        short revents = 0;
        int n = wait_ready(POLLOUT, remaining_ms(deadline_ms), &revents);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail_connect(errno);
        }
        if (n == 0)
            return fail_connect(ETIMEDOUT);
        if (revents & POLLPRI)
            return fail_connect(ECONNRESET);
        int r = ssl_try_connect(false);
        if (r != 0)
            return r;
    }
    return wait_for_handshake(deadline_ms);
}

int xirr_tcp_socket::wait_for_handshake(long long deadline_ms)
{
    while (state == ssl_handshake) {
        short revents = 0;
        short wanted = ssl && SSL_want_write(ssl) ? POLLOUT : POLLIN;
        int n = wait_ready(wanted, remaining_ms(deadline_ms), &revents);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail_connect(errno);
        }
        if (n == 0)
            return fail_connect(ETIMEDOUT);
        int r = ssl_retry_connect();
        if (r != 0)
            return r;
    }
    return state == connected ? 1 : -1;
}

int xirr_tcp_socket::poll_state()
{
    if (state == connecting)
        check_connect();
    return state;
}

int xirr_tcp_socket::check_connect()
{
    switch (state) {
    case connected:
        write_error = EISCONN;
        return -1;
    case ssl_handshake:
        return ssl_retry_connect();
    case connecting:
        break;
    default:
        write_error = ENOTCONN;
        return -1;
    }
    short revents = 0;
    int n = wait_ready(POLLOUT, 0, &revents);
    if (n < 0) {
        write_error = errno;
        if (errno == EINTR)
            return 0;
        close();
        return -1;
    }
    if (n == 0)
        return 0;
    if (revents & POLLPRI)
        return fail_connect(ECONNRESET);
    return ssl_try_connect(false);
}

int xirr_tcp_socket::ssl_setup_failure(const char *message)
{
    xirr_report(message, 2);
    close();
    write_error = ECONNABORTED;
    return -1;
}

int xirr_tcp_socket::ssl_try_connect(bool blocking)
{
    if (!ssl_enabled) {
        state = connected;
        return 1;
    }
    if (state != connecting)
        return ssl_setup_failure("Error in xirr_tcp_socket::ssl_try_connect(), socket not in connecting state.");
    SSL_free(ssl);
    ERR_clear_error();
    ssl = ssl_context() ? SSL_new(ssl_context()) : nullptr;
    if (!ssl) {
        // Failing at once keeps callers simple: the socket is closed.
        xirr_report("Unable to allocate SSL struct in xirr_tcp_socket::ssl_try_connect(), did you run "
                    "xirr_ssl_startup()?",
                    2);
        report_ssl_error_text(0);
        close();
        write_error = ECONNABORTED;
        return -1;
    }
    if (SSL_set_cipher_list(ssl, cipher_list) != 1)
        return ssl_setup_failure("Error in xirr_tcp_socket::ssl_try_connect(), unable to set cipher list?");
    if (SSL_set_fd(ssl, fd) != 1)
        return ssl_setup_failure("Error in xirr_tcp_socket::ssl_try_connect(), set_fd failed?");
    state = ssl_handshake;
    if (!blocking)
        return ssl_retry_connect();
    set_blocking(true);
    int r = ssl_retry_connect();
    set_blocking(false);
    return r;
}

int xirr_tcp_socket::ssl_retry_connect()
{
    if (!ssl) {
        xirr_report("Error in xirr_tcp_socket::ssl_retry_connect(), NULL ssl context?", 2);
        write_error = ECONNABORTED;
        return -1;
    }
    ERR_clear_error();
    int r = SSL_connect(ssl);
    if (r == 1) {
        state = connected;
        return 1;
    }
    int error = SSL_get_error(ssl, r);
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE)
        return 0;
    return ssl_handshake_failure(r == 0 ? -1 : error);
}

int xirr_tcp_socket::ssl_handshake_failure(int error)
{
    if (error == -1) {
        xirr_report("Warning in xirr_tcp_socket::ssl_retry_connect(), SSL connect failed due to protocol issue.",
                    0x80);
    } else if (error == SSL_ERROR_ZERO_RETURN) {
        xirr_report("Controlled ssl close in xirr_tcp_socket::ssl_retry_connect(), bailing.", 0x80);
    } else {
        xirr_report("SSL connect failed in xirr_tcp_socket::ssl_retry_connect().", 0x80);
        report_ssl_error_text(error);
    }
    ERR_clear_error();
    write_error = ECONNABORTED;
    return -1;
}

int xirr_tcp_socket::nonblocking_read(char *buffer, int size)
{
    if (state != connected) {
        read_error = ENOTCONN;
        return -1;
    }
    if (!buffer || size <= 0)
        return 0;
    if (ssl) {
        ERR_clear_error();
        int r = SSL_read(ssl, buffer, size);
        if (r > 0)
            return r;
        int error = SSL_get_error(ssl, r);
        if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE)
            return 0;
        if (error == SSL_ERROR_ZERO_RETURN) {
            read_error = 0;
        } else {
            xirr_report("Unexpected ssl close in xirr_tcp_socket::nonblocking_read().", 0x100);
            ERR_clear_error();
            read_error = ECONNABORTED;
        }
    } else {
        ssize_t r = ::read(fd, buffer, (size_t)size);
        if (r > 0)
            return (int)r;
        read_error = r == 0 ? 0 : errno;
        if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return 0;
    }
    close();
    return -1;
}

int xirr_tcp_socket::read_with_timeout(char *buffer, int size, int ms)
{
    if (state != connected) {
        read_error = ENOTCONN;
        return -1;
    }
    if (!buffer || size <= 0)
        return 0;
    // The TLS layer may hold decrypted bytes that the socket no longer
    // signals as readable.
    if (ssl) {
        int r = nonblocking_read(buffer, size);
        if (r != 0)
            return r;
    }
    int ready = wait_ready_or_close(POLLIN, ms, &read_error);
    if (ready <= 0)
        return ready;
    return nonblocking_read(buffer, size);
}

int xirr_tcp_socket::nonblocking_write(const char *data, int length)
{
    if (state != connected) {
        write_error = ENOTCONN;
        return -1;
    }
    if (!data || length <= 0)
        return 0;
    if (ssl) {
        ERR_clear_error();
        int r = SSL_write(ssl, data, length);
        if (r > 0)
            return r;
        int error = SSL_get_error(ssl, r);
        if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE)
            return 0;
        if (error == SSL_ERROR_ZERO_RETURN) {
            write_error = 0;
            xirr_report("Clean SSL shutdown in xirr_tcp_socket::nonblocking_write().", 0x100);
        } else {
            write_error = ECONNABORTED;
            xirr_report("Unexpected ssl close in xirr_tcp_socket::nonblocking_write().", 0x100);
            ERR_clear_error();
        }
        close();
        return -1;
    }
    ssize_t r = send(fd, data, (size_t)length, MSG_NOSIGNAL);
    if (r >= 0)
        return (int)r;
    write_error = errno;
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
        return 0;
    close();
    return -1;
}

int xirr_tcp_socket::write_with_timeout(const char *data, int length, int ms)
{
    if (state != connected) {
        write_error = ENOTCONN;
        return -1;
    }
    if (!data || length <= 0)
        return 0;
    int ready = wait_ready_or_close(POLLOUT, ms, &write_error);
    if (ready <= 0)
        return ready;
    return nonblocking_write(data, length);
}

// Parses a dotted quad strictly as decimal; false when the text is not one.
static bool parse_dotted_quad(const char *name, unsigned char parts[4])
{
    if (!name)
        return false;
    int dots = 0, digits = 0, part_digits = 0, value = 0;
    for (const char *p = name;; p++) {
        if (*p >= '0' && *p <= '9') {
            value = value * 10 + (*p - '0');
            digits++;
            part_digits++;
            if (value > 255 || digits > 12)
                return false;
            continue;
        }
        if ((*p != '.' && *p != 0) || part_digits == 0 || dots > 3)
            return false;
        parts[dots] = (unsigned char)value;
        if (*p == 0)
            return dots == 3 && digits > 3;
        dots++;
        part_digits = 0;
        value = 0;
    }
}

bool is_dotted_quad(const char *name)
{
    unsigned char parts[4];
    return parse_dotted_quad(name, parts);
}

bool resolve_host(const char *name, sockaddr_in *out)
{
    if (!name || !out)
        return false;
    memset(out, 0, sizeof *out);
    out->sin_family = AF_INET;
    unsigned char parts[4];
    // Built from the decimal numbers: inet_addr would read "010" as octal.
    if (parse_dotted_quad(name, parts)) {
        memcpy(&out->sin_addr.s_addr, parts, 4);
        return true;
    }
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *result = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &result) != 0 || !result)
        return false;
    out->sin_addr = ((const sockaddr_in *)result->ai_addr)->sin_addr;
    freeaddrinfo(result);
    return true;
}
