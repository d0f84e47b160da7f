#ifndef SKIFF_TOOLS_LIB_FAKE_SERVER_H
#define SKIFF_TOOLS_LIB_FAKE_SERVER_H

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <openssl/ssl.h>

// A scriptable server on 127.0.0.1 (ephemeral port), TLS with an in-memory
// self-signed certificate or plain TCP, running on its own thread.  It is the
// peer of the socket and connection tests and the base of the demo server.
//
// One connection is current at a time: a newly accepted connection replaces
// (and closes) the previous one.  Script actions (send, close) queue up and
// run in order on the server thread against the current connection, waiting
// for one to be established.  Everything received is recorded per
// connection.  Every public function may be called from any thread,
// including from the receive handler.
struct fake_server_options {
    bool tls = true;
    // With TLS: false accepts connections and then stays silent, never
    // answering the handshake.
    bool handshake = true;
    // Sent in one write as each connection is established (after the
    // handshake); empty sends nothing.
    std::string greeting;
};

class fake_server {
public:
    typedef std::function<void(fake_server &server, const std::string &chunk)> receive_handler;

    explicit fake_server(const fake_server_options &options = fake_server_options());
    ~fake_server();
    fake_server(const fake_server &) = delete;
    fake_server &operator=(const fake_server &) = delete;

    // Listens and starts the thread; false when the port cannot be opened.
    // Ignores SIGPIPE for the whole process.
    bool start();
    // Stops the thread and closes every socket (also done by the destructor).
    void stop();
    int port() const { return port_; }

    // Queues the bytes for one write on the current connection.
    void send(const std::string &bytes);
    // Queues closing the current connection: with notify, a TLS close
    // notification first; without, the TCP connection just ends.  Either
    // way the server stops sending (FIN) and then discards what the client
    // still sends until it closes too, so unread client bytes never turn
    // the close into a reset that would destroy data in flight.
    void close_connection(bool notify = true);
    // Stops or resumes reading from the connection (so a client's writes
    // back up).  Takes effect at once.
    void set_reading(bool on);
    // Called on the server thread with every chunk received.
    void on_receive(receive_handler handler);

    // Each waits up to ms milliseconds and returns false on time-out.
    bool wait_for_connections(int count, int ms);
    bool wait_for_accepted(int count, int ms);
    bool wait_for_received(const std::string &text, int ms);
    bool wait_for_received_bytes(size_t count, int ms);
    bool wait_for_peer_close(int ms);
    bool wait_until_idle(int ms);

    // Bytes received on the latest connection, or on connection index
    // (0 = first established).
    std::string received() const;
    std::string received(int index) const;
    // Established connections (TLS: handshake done), accepted TCP
    // connections and failed handshakes so far.
    int connections() const;
    int accepted() const;
    int handshake_failures() const;
    bool peer_closed() const;

private:
    struct action {
        enum kind_t { send_bytes, close_notify, close_drop } kind;
        std::string bytes;
    };
    struct connection {
        int fd = -1;
        SSL *ssl = nullptr;
        bool established = false;
        bool peer_closed = false;
        int index = -1;
    };

    fake_server_options options_;
    SSL_CTX *context_ = nullptr;
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
    bool stopping_ = false;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<action> actions_;
    std::vector<std::string> received_;
    std::vector<int> lingering_;
    receive_handler handler_;
    connection current_;
    int accepted_ = 0;
    int handshake_failures_ = 0;
    bool reading_ = true;
    bool busy_ = false;

    void run();
    void poll_once();
    void accept_connection();
    void step_handshake();
    void established();
    void read_available();
    void note_peer_closed();
    void run_actions();
    bool write_all(const std::string &bytes);
    bool wait_writable(bool want_read);
    void drop_connection(bool notify);
    void poll_lingering();
    template <typename Pred> bool wait_until(int ms, Pred pred);
};

// A loopback listener whose accept queue is full, so further connects to
// it hang unanswered (for connect time-out tests).  port() is 0 when the
// queue could not be filled.
class full_backlog_listener {
public:
    full_backlog_listener();
    ~full_backlog_listener();
    full_backlog_listener(const full_backlog_listener &) = delete;
    full_backlog_listener &operator=(const full_backlog_listener &) = delete;
    int port() const { return port_; }

private:
    int listener_ = -1;
    int port_ = 0;
    std::vector<int> fillers_;
};

#endif
