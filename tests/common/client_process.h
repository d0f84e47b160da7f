#ifndef SKIFF_TESTS_COMMON_CLIENT_PROCESS_H
#define SKIFF_TESTS_COMMON_CLIENT_PROCESS_H

#include <string>
#include <sys/types.h>
#include <vector>

// The real client program (SKIFF_BINARY) run as a child process for
// end-to-end tests, its standard output collected through a pipe.  It needs a
// display: use it from the GUI test binary.  The child is killed when the
// object goes away.
class client_process {
public:
    client_process() = default;
    ~client_process() { stop(); }
    client_process(const client_process &) = delete;
    client_process &operator=(const client_process &) = delete;

    // Starts the client with the arguments, HOME set to home (unset when
    // null) and the working directory dir.  False when it cannot start.
    bool start(const std::vector<std::string> &args, const char *home, const std::string &dir);
    // Reads output until it contains text or the wait (milliseconds) ends.
    bool wait_for(const std::string &text, int wait_ms);
    // Everything read so far.
    const std::string &output() const { return output_; }
    // Kills the client and reaps it.
    void stop();

private:
    pid_t pid_ = -1;
    int out_fd_ = -1;
    std::string output_;
};

#endif
