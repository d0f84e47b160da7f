#ifndef SKIFF_SUPPORT_XIRR_TCP_SOCKET_H
#define SKIFF_SUPPORT_XIRR_TCP_SOCKET_H

#include <netinet/in.h>

#include <openssl/ssl.h>

// An IPv4 TCP client connection, always non-blocking at the operating-system
// level, optionally wrapped in TLS over the context made by init_ssl.  The
// object is reused for successive connections: each connect makes a new
// operating-system socket and a new SSL object.
//
// Failures show only as -1 results and the two error fields: 0 for an
// orderly close by the peer, otherwise an errno value or one of the codes
// the class stores itself (ENOTCONN, EISCONN, EINPROGRESS, ECONNABORTED for
// any SSL failure, ECONNRESET for an exceptional condition, ETIMEDOUT, EBADF).
//
// One thread at a time may use an object.  The process must ignore SIGPIPE.
class xirr_tcp_socket {
public:
    enum { unconnected = 1, connecting = 2, ssl_handshake = 4, connected = 8 };

    xirr_tcp_socket();
    ~xirr_tcp_socket();
    xirr_tcp_socket(const xirr_tcp_socket &) = delete;
    xirr_tcp_socket &operator=(const xirr_tcp_socket &) = delete;

    // Whether a completed TCP connect continues with a TLS handshake.  Only
    // allowed while unconnected (false otherwise).
    bool enable_ssl();
    bool disable_ssl();

    // 1 connected, 0 in progress, -1 failed (see write_error).
    int start_nonblocking_connect(const sockaddr_in &address, int port);
    // Connect and handshake together limited to ms milliseconds (ms < 0: no
    // limit).  1 connected, -1 failed; running out of time is ETIMEDOUT with
    // the socket closed.  A failed handshake leaves the socket for the caller
    // to close.
    int connect_with_timeout(const sockaddr_in &address, int port, int ms);
    // The state bits, after advancing a pending TCP connect.
    int poll_state();
    // 1 connected, 0 still pending, -1 failed.
    int check_connect();
    // 1 connected, 0 pending, -1 failed.  The blocking form has no time limit.
    int ssl_try_connect(bool blocking);
    int ssl_retry_connect();

    // Bytes read (> 0), 0 nothing available, -1 connection gone (closed; see
    // read_error).  Never waits.
    int nonblocking_read(char *buffer, int size);
    // As nonblocking_read, waiting up to ms (< 0: no limit).
    int read_with_timeout(char *buffer, int size, int ms);
    // Bytes accepted (>= 0), -1 connection gone (closed; see write_error).
    // With TLS all or nothing is accepted: after 0, offer the same bytes again.
    int nonblocking_write(const char *data, int length);
    int write_with_timeout(const char *data, int length, int ms);

    // Unconnected; closes the operating-system socket without a TLS close
    // notification.
    void close();

    int get_read_error() const { return read_error; }
    int get_write_error() const { return write_error; }
    int get_state() const { return state; }
    // Decrypted bytes the TLS layer holds that the socket no longer signals.
    int pending_bytes() const;

private:
    SSL *ssl;
    int ssl_enabled;
    int fd;
    sockaddr_in peer;
    int state;
    int read_error;
    int write_error;

    int fail_connect(int error);
    int ssl_setup_failure(const char *message);
    int ssl_handshake_failure(int result);
    int finish_connect_in_time(long long deadline_ms);
    int wait_for_handshake(long long deadline_ms);
    int wait_ready(short events, int ms, short *revents);
    // 1 ready, 0 not yet (timeout or interrupted), -1 closed with *error set.
    int wait_ready_or_close(short events, int ms, int *error);
    bool set_blocking(bool blocking);
};

// Fills out with the IPv4 address of name (family AF_INET, port left 0).
// Dotted-quad literals are converted without asking the resolver.  False
// when the resolver fails.
bool resolve_host(const char *name, sockaddr_in *out);

// True for text made only of digits and dots, exactly three dots, four
// numbers 0..255 and 4 to 12 digits in all.
bool is_dotted_quad(const char *name);

#endif
