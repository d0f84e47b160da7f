// The diagnostic fill ("//debugfill"): 100,000 random rows of random
// colours written straight into a view.  Its time is printed, next to a
// memcpy of the same number of bytes.
#include <benchmark/benchmark.h>

#include "bench/text_bench_common.h"
#include "support/debug_log.h"
#include "text/xirr_ansi_display_core.h"
#include "text/xirr_textctrl_core.h"

namespace {

void BM_text_debugfill(benchmark::State &state)
{
    debug_level = 0;
    text_bench::bench_font font;
    double seconds = 0, copy = 0;
    for (auto _ : state) {
        xirr_textctrl_core view;
        view.set_font(&font);
        view.set_view_size(1000, 700);
        xirr_ansi_display_core display(&view);
        auto start = std::chrono::steady_clock::now();
        display.debug_fill(32);
        seconds = text_bench::seconds_since(start);
        state.SetIterationTime(seconds);
        // The same bytes: every row's text, read back and copied.
        std::string all, row;
        for (int r = 0; r <= view.get_last_line(); r++) {
            view.row_text(r, &row);
            all += row;
        }
        copy = text_bench::memcpy_seconds(all, 4096);
        printf("debugfill: %.1f ms for %d rows (%zu bytes), %.1f x the memcpy of the same bytes\n",
               seconds * 1000, view.get_last_line(), all.size(), seconds / copy);
    }
    state.counters["memcpy_ratio"] = seconds / copy;
}
BENCHMARK(BM_text_debugfill)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
