// One full repaint of a 1000 x 700 scrollback view full of coloured text,
// part of it selected.  Target: under 2 ms.
#include <benchmark/benchmark.h>

#include "bench/text_bench_common.h"
#include "support/debug_log.h"
#include "text/xirr_ansi_display_core.h"
#include "text/xirr_textctrl_core.h"

namespace {

void BM_text_paint(benchmark::State &state)
{
    debug_level = 0;
    text_bench::bench_font font;
    xirr_textctrl_core view;
    view.set_font(&font);
    view.set_view_size(1000, 700);
    xirr_ansi_display_core display(&view);
    // Long lines, so every row is full to the right edge.
    std::string stream = text_bench::make_game_stream(4000);
    std::string wide;
    for (size_t at = 0; at < stream.size(); at++)
        if (stream[at] != '\n' || at % 3 == 0)
            wide += stream[at];
    display.write_ansi_data(wide.data(), static_cast<int>(wide.size()));
    xirr_mouse_event e;
    e.kind = xirr_mouse_event::left_down;
    e.left_held = true;
    e.x = 300;
    e.y = 650;
    view.handle_mouse(e);
    e.kind = xirr_mouse_event::motion;
    e.x = 500;
    e.y = 690;
    view.handle_mouse(e);

    xirr_bitmap surface(1000, 700);
    std::vector<unsigned char> copy_target(1000 * 700 * 4);
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; i++) {
        memcpy(copy_target.data(), surface.pixels(), copy_target.size());
        benchmark::ClobberMemory();
    }
    double copy = text_bench::seconds_since(start) / 100;

    double total = 0;
    int runs = 0;
    for (auto _ : state) {
        auto t = std::chrono::steady_clock::now();
        view.paint(surface);
        double seconds = text_bench::seconds_since(t);
        state.SetIterationTime(seconds);
        total += seconds;
        runs++;
        benchmark::DoNotOptimize(surface.pixels());
    }
    double mean = total / runs;
    state.counters["ms"] = mean * 1000;
    state.counters["memcpy_ratio"] = mean / copy;
    printf("paint: %.3f ms per full repaint (target < 2 ms), %.1f x the memcpy of the "
           "surface's %d bytes\n", mean * 1000, mean / copy, 1000 * 700 * 4);
}
BENCHMARK(BM_text_paint)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
