// Throughput of the tagged-stream parser on typical game output, next to a
// plain memchr pass over the same bytes as the yardstick of memory speed.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "protocol/tagged_stream_parser.h"

namespace {

const size_t stream_size = 16 * 1024 * 1024;
const int chunk_size = 10000;  // what one socket read hands over

// Coloured lines of 60-100 bytes, a record every 20 lines or so.  The server
// doubles every ';' of its text, those of colour sequences included.
std::string make_game_stream()
{
    static const char *colours[] = {"\x1b[1;;32m", "\x1b[0;;37m", "\x1b[1;;33m", "\x1b[0;;36m",
                                    "\x1b[1;;31m"};
    static const char *words[] = {"the", "goblin", "swings", "at", "you", "and", "misses", "north",
                                  "a", "torch", "flickers", "on", "wall", "shadows", "dance"};
    std::string out;
    out.reserve(stream_size + 4096);
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) { seed = seed * 1103515245u + 12345u; return (seed >> 16) % n; };
    for (int line = 0; out.size() < stream_size; ++line) {
        size_t start = out.size();
        size_t target = 60 + next(41);
        out += colours[next(5)];
        while (out.size() - start < target - 6) {
            out += words[next(15)];
            out += ' ';
        }
        out += "\x1b[0m\r\n";
        if (line % 20 == 19)
            out += ";shp;312 400 120 150 80 80;ehp;;tcombat;";
    }
    out.resize(stream_size);
    return out;
}

const std::string &game_stream()
{
    static const std::string stream = make_game_stream();
    return stream;
}

struct counting_sink : tagged_stream_sink {
    long long text_bytes = 0;
    long long records = 0;
    void text_run(const char *data, int length) override { text_bytes += length; }
    void process_tagged_data(const char *name, const char *payload, int length) override { ++records; }
    void ring_bell() override {}
    void set_hidden_input() override {}
    void set_normal_input() override {}
};

double seconds_since(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Megabytes per second of a memchr pass that finds nothing, chunk by chunk.
double memchr_rate()
{
    const std::string &s = game_stream();
    const int passes = 20;
    auto t0 = std::chrono::steady_clock::now();
    for (int pass = 0; pass < passes; ++pass) {
        // Read through a volatile so the passes cannot be merged into one.
        const char *volatile base = s.data();
        for (size_t at = 0; at < s.size(); at += chunk_size) {
            size_t n = std::min<size_t>(chunk_size, s.size() - at);
            benchmark::DoNotOptimize(memchr(base + at, 0xFF, n));
        }
    }
    return passes * s.size() / 1e6 / seconds_since(t0);
}

void parse_stream(benchmark::State &state)
{
    const std::string &s = game_stream();
    counting_sink sink;
    tagged_stream_parser parser(&sink);
    double busy = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        for (size_t at = 0; at < s.size(); at += chunk_size) {
            int n = static_cast<int>(std::min<size_t>(chunk_size, s.size() - at));
            parser.process_socket_data(s.data() + at, n);
        }
        busy += seconds_since(t0);
    }
    double rate = state.iterations() * s.size() / 1e6 / busy;
    double yardstick = memchr_rate();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size()));
    state.counters["parser_MB/s"] = rate;
    state.counters["memchr_MB/s"] = yardstick;
    state.counters["ratio"] = rate / yardstick;
    state.counters["records"] = static_cast<double>(sink.records / state.iterations());
    printf("tagged_stream: parser %.0f MB/s, memchr %.0f MB/s, ratio %.3f (target >= 500 MB/s)\n",
           rate, yardstick, rate / yardstick);
}

}  // namespace

BENCHMARK(parse_stream)->Unit(benchmark::kMillisecond)->MinTime(1.0);

BENCHMARK_MAIN();
