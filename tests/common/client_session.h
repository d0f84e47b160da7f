#ifndef SKIFF_TESTS_COMMON_CLIENT_SESSION_H
#define SKIFF_TESTS_COMMON_CLIENT_SESSION_H

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "tools/lib/fake_server.h"

// The real client playing against a loopback fake game server on the test's
// display: started with "--server 127.0.0.1:PORT", its standard output in a
// file, driven with xdotool and looked at with screenshots.
class client_session {
public:
    explicit client_session(const fake_server_options &options = fake_server_options());
    ~client_session();

    // Starts the server and the client and waits for the identification
    // line and the window.  False (with a reason in failure()) otherwise.
    bool start(const std::vector<std::string> &extra_args = {});
    const std::string &failure() const { return failure_; }

    fake_server server;
    std::string window;  // X window id of the main frame

    // Keyboard input to the main frame.
    void type(const std::string &text);
    void key(const std::string &keys);
    void click(int x, int y);
    // The window's title, and its size as "W H".
    std::string title();
    std::string size();
    // Waits for a window whose title is exactly `title`.
    bool wait_for_title(const std::string &title, int ms);
    // The client's standard output so far.
    std::string output() const;

    // Waits up to ms for the client to end: its exit status, or -1.
    int wait_exit(int ms);
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    std::string log_path_;
    std::string failure_;
};

// A picture of the whole 1280 x 1024 test display.
class screenshot {
public:
    bool take();
    // Colour at (x, y) as 0xRRGGBB; 0 outside the picture.
    unsigned pixel(int x, int y) const;
    // Pixels of that exact colour inside the rectangle.
    int count(unsigned rgb, int x, int y, int width, int height) const;
    // Pixels drawn in that colour by anti-aliased text: the colour scaled
    // towards black, at least half as bright as the colour itself.
    int count_ink(unsigned rgb, int x, int y, int width, int height) const;
    // Pixels of any colour but black inside the rectangle.
    int count_not_black(int x, int y, int width, int height) const;

    static const int width = 1280;
    static const int height = 1024;

private:
    std::string rgb_;
};

// Takes screenshots until ok() holds for one (true) or ms have passed
// (false); *shot keeps the last picture either way.
bool wait_for_screen(screenshot *shot, const std::function<bool(const screenshot &)> &ok, int ms);

// Runs a shell command and returns what it wrote (trailing newline cut).
std::string run_command(const std::string &command);

#endif
