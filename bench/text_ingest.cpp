// Ingest speed of the text display: a million lines of coloured game output
// through write_ansi_data into a view 100 glyphs wide, without painting.
// Target: at least 500,000 lines per second.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/text_bench_common.h"
#include "support/debug_log.h"
#include "text/xirr_ansi_display_core.h"
#include "text/xirr_textctrl_core.h"

namespace {

const int line_count = getenv("TEXT_BENCH_LINES") ? atoi(getenv("TEXT_BENCH_LINES")) : 1000000;
const size_t read_size = 4096;  // one socket read

void BM_text_ingest(benchmark::State &state)
{
    debug_level = 0;  // the run is about speed, not the log
    std::string stream = text_bench::make_game_stream(line_count);
    text_bench::bench_font font;
    double copy = text_bench::memcpy_seconds(stream, read_size);
    double seconds = 0, cpu = 0;
    for (auto _ : state) {
        xirr_textctrl_core view;
        view.set_font(&font);
        view.set_view_size(100 * text_bench::glyph_width + 2, 700);
        xirr_ansi_display_core display(&view);
        auto start = std::chrono::steady_clock::now();
        double cpu_start = text_bench::cpu_seconds();
        for (size_t at = 0; at < stream.size(); at += read_size) {
            size_t n = std::min(read_size, stream.size() - at);
            display.write_ansi_data(stream.data() + at, static_cast<int>(n));
        }
        seconds = text_bench::seconds_since(start);
        cpu = text_bench::cpu_seconds() - cpu_start;
        state.SetIterationTime(seconds);
        benchmark::DoNotOptimize(view.get_last_line());
    }
    state.counters["lines_per_s"] = line_count / seconds;
    state.counters["memcpy_ratio"] = seconds / copy;
    state.counters["MB"] = stream.size() / 1e6;
    state.counters["lines_per_cpu_s"] = line_count / cpu;
    // On a shared machine the wall clock also counts other programs' turns;
    // the processor time shows what the ingest itself costs.
    printf("ingest: %.0f lines/s (target >= 500000), %.0f lines per second of processor time, "
           "%.1f x the memcpy of the same %zu bytes\n",
           line_count / seconds, line_count / cpu, seconds / copy, stream.size());
}
BENCHMARK(BM_text_ingest)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
