#include "tests/common/client_process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

bool client_process::start(const std::vector<std::string> &args, const char *home, const std::string &dir)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    pid_ = fork();
    if (pid_ < 0) {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid_ == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        close(fds[1]);
        if (home)
            setenv("HOME", home, 1);
        else
            unsetenv("HOME");
        if (chdir(dir.c_str()) != 0)
            _exit(126);
        std::vector<char *> argv;
        argv.push_back(const_cast<char *>(SKIFF_BINARY));
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(SKIFF_BINARY, argv.data());
        _exit(127);
    }
    close(fds[1]);
    out_fd_ = fds[0];
    return true;
}

bool client_process::wait_for(const std::string &text, int wait_ms)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait_ms);
    while (output_.find(text) == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (out_fd_ < 0 || left.count() <= 0)
            return false;
        struct pollfd p = {out_fd_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char buf[4096];
        ssize_t n = read(out_fd_, buf, sizeof buf);
        if (n <= 0) {
            close(out_fd_);
            out_fd_ = -1;
        } else {
            output_.append(buf, static_cast<size_t>(n));
        }
    }
    return true;
}

void client_process::stop()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    if (out_fd_ >= 0) {
        close(out_fd_);
        out_fd_ = -1;
    }
}
