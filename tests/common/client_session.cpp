#include "tests/common/client_session.h"

#include <chrono>
#include <cstdlib>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "tests/common/log_tail.h"
#include "tests/common/test_home.h"

std::string run_command(const std::string &command)
{
    std::string out;
    FILE *p = popen(command.c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    pclose(p);
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

client_session::client_session(const fake_server_options &options) : server(options)
{
    static int sessions = 0;
    log_path_ = test_home() + "/client" + std::to_string(++sessions) + ".out";
}

client_session::~client_session()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    server.stop();
}

bool client_session::start(const std::vector<std::string> &extra_args)
{
    if (!server.start()) {
        failure_ = "server did not start";
        return false;
    }
    std::vector<std::string> args = {SKIFF_BINARY, "--server", "127.0.0.1:" + std::to_string(server.port())};
    args.insert(args.end(), extra_args.begin(), extra_args.end());
    pid_ = fork();
    if (pid_ == 0) {
        int fd = open(log_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 1);
        dup2(fd, 2);
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(&a[0]);
        argv.push_back(nullptr);
        execv(SKIFF_BINARY, argv.data());
        _exit(127);
    }
    if (!server.wait_for_received("1.095-gtk-test1\n", 30000)) {
        failure_ = "no identification line; client said:\n" + output();
        return false;
    }
    window = run_command("timeout 20 xdotool search --sync --name '^Veymoor' | head -n1");
    if (window.empty()) {
        failure_ = "no window";
        return false;
    }
    return true;
}

void client_session::type(const std::string &text)
{
    std::string quoted;
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    run_command("xdotool windowfocus --sync " + window + " type --delay 15 '" + quoted + "'");
}

void client_session::key(const std::string &keys)
{
    run_command("xdotool windowfocus --sync " + window + " key --delay 15 " + keys);
}

void client_session::click(int x, int y)
{
    run_command("xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
                " click 1");
}

std::string client_session::title()
{
    return run_command("xdotool getwindowname " + window);
}

std::string client_session::size()
{
    std::string geometry = run_command("xdotool getwindowgeometry --shell " + window);
    std::string w, h;
    size_t at = geometry.find("WIDTH=");
    if (at != std::string::npos)
        w = geometry.substr(at + 6, geometry.find('\n', at) - at - 6);
    at = geometry.find("HEIGHT=");
    if (at != std::string::npos)
        h = geometry.substr(at + 7, geometry.find('\n', at) - at - 7);
    return w + " " + h;
}

bool client_session::wait_for_title(const std::string &title, int ms)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < deadline) {
        if (this->title() == title)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

std::string client_session::output() const
{
    return read_file(log_path_);
}

int client_session::wait_exit(int ms)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (pid_ > 0) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return -1;
        usleep(2000);
    }
    return -1;
}

bool screenshot::take()
{
    std::string path = test_home() + "/shot.rgb";
    run_command("import -window root -depth 8 rgb:" + path);
    rgb_ = read_file(path);
    return rgb_.size() == static_cast<size_t>(width) * height * 3;
}

unsigned screenshot::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height || rgb_.empty())
        return 0;
    size_t at = (static_cast<size_t>(y) * width + x) * 3;
    auto byte = [&](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(rgb_[at + i])); };
    return (byte(0) << 16) | (byte(1) << 8) | byte(2);
}

int screenshot::count(unsigned rgb, int x, int y, int w, int h) const
{
    int n = 0;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            n += pixel(i, j) == rgb;
    return n;
}

int screenshot::count_not_black(int x, int y, int w, int h) const
{
    return w * h - count(0, x, y, w, h);
}

// Whether c is `rgb` scaled by some coverage of at least one half.
static bool is_ink_of(unsigned c, unsigned rgb)
{
    int want[3] = {static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 255), static_cast<int>(rgb & 255)};
    int got[3] = {static_cast<int>(c >> 16), static_cast<int>((c >> 8) & 255), static_cast<int>(c & 255)};
    int top = 0;
    for (int i = 1; i < 3; i++)
        if (want[i] > want[top])
            top = i;
    if (got[top] * 2 < want[top] || want[top] == 0)
        return false;
    for (int i = 0; i < 3; i++)
        if (std::abs(got[i] * want[top] - want[i] * got[top]) > 3 * want[top])
            return false;
    return true;
}

int screenshot::count_ink(unsigned rgb, int x, int y, int w, int h) const
{
    int n = 0;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            n += is_ink_of(pixel(i, j), rgb);
    return n;
}

bool wait_for_screen(screenshot *shot, const std::function<bool(const screenshot &)> &ok, int ms)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (shot->take() && ok(*shot))
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
