#ifndef SKIFF_BENCH_TEXT_BENCH_COMMON_H
#define SKIFF_BENCH_TEXT_BENCH_COMMON_H

// Shared by the text benchmarks: a fixed 7 x 14 glyph font that needs no
// display, typical coloured game output, and a memcpy yardstick.
#include <chrono>
#include <sys/resource.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "draw/rgb_color.h"
#include "draw/xirr_bitmap.h"
#include "draw/xirr_glyph_font.h"

namespace text_bench {

const int glyph_width = 7;
const int glyph_height = 14;

// Glyphs with about a third of their pixels inked, like real text.
class bench_glyph_source : public xirr_glyph_source {
public:
    bool measure_glyph(int c, int *width, int *height) override
    {
        *width = glyph_width;
        *height = glyph_height;
        return true;
    }
    bool render_glyph(int c, xirr_bitmap &surface) override
    {
        if (c == ' ')
            return true;
        for (int y = 3; y < 12; y++)
            for (int x = 1; x < 6; x++)
                if (((x * 7 + y * 3 + c) % 5) < 2)
                    surface.SetPixel(x, y, color_white);
        return true;
    }
};

class bench_font : public xirr_glyph_font {
public:
    bench_font() { build_glyphs_from(source_); }

private:
    bench_glyph_source source_;
};

// Lines of 60-100 bytes with 2-4 colour changes each, the way the server
// writes them (ANSI sequences with one parameter each).
inline std::vector<std::string> make_game_lines(int count)
{
    static const char *colours[] = {"\x1b[1m\x1b[32m", "\x1b[0m\x1b[37m", "\x1b[1m\x1b[33m",
                                    "\x1b[0m\x1b[36m", "\x1b[31m",         "\x1b[0m"};
    static const char *words[] = {"the",    "goblin",  "swings", "at",  "you",   "and",
                                  "misses", "north",   "a",      "torch", "flickers", "on",
                                  "wall",   "shadows", "dance",  "Gold:", "1234", "exits:"};
    std::vector<std::string> lines;
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int i = 0; i < count; i++) {
        std::string line;
        size_t target = 60 + next(41);
        int changes = 2 + next(3);
        size_t step = target / (changes + 1);
        size_t next_change = step;
        line += colours[next(6)];
        while (line.size() < target - 2) {
            if (changes > 0 && line.size() >= next_change) {
                line += colours[next(6)];
                changes--;
                next_change += step;
            }
            line += words[next(18)];
            line += ' ';
        }
        line += "\n";
        lines.push_back(line);
    }
    return lines;
}

// One byte stream of `lines` lines, cycling through a pool of distinct ones.
inline std::string make_game_stream(int lines)
{
    std::vector<std::string> pool = make_game_lines(4096);
    std::string stream;
    stream.reserve(static_cast<size_t>(lines) * 90);
    for (int i = 0; i < lines; i++)
        stream += pool[i % pool.size()];
    return stream;
}

// User and system time this process has used so far.
inline double cpu_seconds()
{
    struct rusage u;
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

inline double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Time of copying the stream in pieces of `piece` bytes, as a socket hands
// them over: the speed of memory on this machine, for scale.
inline double memcpy_seconds(const std::string &stream, size_t piece)
{
    std::vector<char> target(piece);
    auto start = std::chrono::steady_clock::now();
    for (size_t at = 0; at < stream.size(); at += piece) {
        size_t n = std::min(piece, stream.size() - at);
        memcpy(target.data(), stream.data() + at, n);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    return seconds_since(start);
}

} // namespace text_bench

#endif
