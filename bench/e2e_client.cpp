// The whole client under load: the real program on a private X display
// against the loopback fake server, which sends 10 MB of coloured game text
// in one go, ending in the line that makes the client send "aset remap".
// Reports lines per second from the first byte sent to the arrival of
// "aset remap", the client's peak resident memory (VmHWM), and the time
// from starting the process to its identification line.
//
// Without a DISPLAY the program runs itself again under scripts/with_xvfb.
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "tools/lib/fake_server.h"

namespace {

const size_t stream_size = 10 * 1024 * 1024;

struct game_text {
    std::string bytes;
    long lines = 0;
};

// Room descriptions, combat and chat: 40-110 byte lines in a few colours,
// one parameter per escape sequence as the server writes them, a status
// record now and then.
game_text make_game_text()
{
    static const char *colours[] = {"\x1b[1m\x1b[32m", "\x1b[0m\x1b[37m", "\x1b[1m\x1b[33m",
                                    "\x1b[0m\x1b[36m", "\x1b[1m\x1b[31m", "\x1b[0m"};
    static const char *words[] = {"the", "goblin", "swings", "at", "you", "and", "misses", "north",
                                  "a", "torch", "flickers", "on", "wall", "shadows", "dance",
                                  "Vudedu", "says,", "'hello", "there'", "gold", "coins", "lie", "here."};
    game_text t;
    t.bytes.reserve(stream_size + 4096);
    unsigned seed = 4711;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    while (t.bytes.size() < stream_size) {
        size_t start = t.bytes.size();
        size_t target = 40 + next(71);
        t.bytes += colours[next(6)];
        while (t.bytes.size() - start < target) {
            t.bytes += words[next(23)];
            t.bytes += ' ';
        }
        t.bytes += "\x1b[0m\r\n";
        if (++t.lines % 25 == 0)
            t.bytes += ";shp;312 400 120 150 80 80;ehp;";
    }
    t.bytes += "Vudedu imms: rebuild please\r\n";
    t.lines++;
    return t;
}

// The content of /proc/<pid>/<name> ("" when it cannot be read).
std::string proc_file(pid_t pid, const char *name)
{
    std::string path = "/proc/" + std::to_string(pid) + "/" + name;
    std::string out;
    FILE *f = std::fopen(path.c_str(), "r");
    if (!f)
        return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    std::fclose(f);
    return out;
}

long peak_resident_kib(pid_t pid)
{
    std::string status = proc_file(pid, "status");
    size_t at = status.find("\nVmHWM:");
    return at == std::string::npos ? -1 : std::strtol(status.c_str() + at + 7, nullptr, 10);
}

// User plus system time the process has used, in seconds.
double cpu_seconds(pid_t pid)
{
    std::string stat = proc_file(pid, "stat");
    const char *p = std::strrchr(stat.c_str(), ')');
    unsigned long utime = 0, stime = 0;
    if (!p || std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime) != 2)
        return -1;
    return static_cast<double>(utime + stime) / sysconf(_SC_CLK_TCK);
}

pid_t start_client(int port, const std::string &home)
{
    pid_t pid = fork();
    if (pid == 0) {
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        setenv("HOME", home.c_str(), 1);
        if (chdir(home.c_str()) != 0)
            _exit(126);
        std::string server = "127.0.0.1:" + std::to_string(port);
        execl(SKIFF_BINARY, SKIFF_BINARY, "--server", server.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    return pid;
}

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_client_end_to_end(benchmark::State &state)
{
    static const game_text text = make_game_text();
    char home_template[] = "/tmp/skiff-bench-XXXXXX";
    std::string home = mkdtemp(home_template) ? home_template : "/tmp";
    for (auto _ : state) {
        fake_server server;
        if (!server.start()) {
            state.SkipWithError("server did not start");
            break;
        }
        auto started = std::chrono::steady_clock::now();
        pid_t pid = start_client(server.port(), home);
        if (!server.wait_for_received("1.095-gtk-test1\n", 60000)) {
            state.SkipWithError("no identification line");
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        double startup = seconds_since(started);
        double cpu_before = cpu_seconds(pid);
        auto sent = std::chrono::steady_clock::now();
        server.send(text.bytes);
        bool remapped = server.wait_for_received("aset remap", 600000);
        double elapsed = seconds_since(sent);
        long peak_kib = peak_resident_kib(pid);
        double cpu_used = cpu_seconds(pid) - cpu_before;
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        if (!remapped) {
            state.SkipWithError("no \"aset remap\"");
            break;
        }
        state.SetIterationTime(elapsed);
        state.counters["lines_per_second"] = static_cast<double>(text.lines) / elapsed;
        state.counters["lines"] = static_cast<double>(text.lines);
        state.counters["MB"] = static_cast<double>(text.bytes.size()) / (1024 * 1024);
        state.counters["peak_rss_MiB"] = static_cast<double>(peak_kib) / 1024.0;
        state.counters["startup_to_id_ms"] = startup * 1000.0;
        state.counters["client_cpu_s"] = cpu_used;
        std::printf("e2e_client: %ld lines in %.3f s = %.0f lines/s (target >= 250000), peak RSS %.1f MiB "
                    "(target < 200), start to identification line %.0f ms, client CPU %.3f s\n",
                    text.lines, elapsed, text.lines / elapsed, peak_kib / 1024.0, startup * 1000.0, cpu_used);
    }
    std::string cleanup = "rm -rf '" + home + "'";
    if (std::system(cleanup.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", home.c_str());
}

BENCHMARK(BM_client_end_to_end)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("DISPLAY")) {
        std::vector<char *> args;
        std::string runner = std::string(SKIFF_SOURCE_DIR) + "/scripts/with_xvfb";
        args.push_back(&runner[0]);
        for (int i = 0; i < argc; i++)
            args.push_back(argv[i]);
        args.push_back(nullptr);
        execv(runner.c_str(), args.data());
        std::perror("with_xvfb");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
