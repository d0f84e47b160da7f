// Memory of the scrollback: resident size growth per stored line after a
// million lines of coloured game output through write_ansi_data into a view
// 100 glyphs wide (the view's rows and chunks plus the display's render
// list).  Target: at most 1,000 bytes per line.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>

#include "bench/text_bench_common.h"
#include "support/debug_log.h"
#include "text/xirr_ansi_display_core.h"
#include "text/xirr_textctrl_core.h"

namespace {

const int line_count = 1000000;
const size_t read_size = 4096;

long resident_bytes()
{
    long pages = 0, resident = 0;
    FILE *f = fopen("/proc/self/statm", "r");
    if (!f)
        return 0;
    if (fscanf(f, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    fclose(f);
    return resident * sysconf(_SC_PAGESIZE);
}

void BM_text_memory(benchmark::State &state)
{
    debug_level = 0;  // the run is about memory, not the log
    std::string stream = text_bench::make_game_stream(line_count);
    text_bench::bench_font font;
    double copy = text_bench::memcpy_seconds(stream, read_size);
    double bytes_per_line = 0, seconds = 0;
    for (auto _ : state) {
        long before = resident_bytes();
        auto *view = new xirr_textctrl_core;
        view->set_font(&font);
        view->set_view_size(100 * text_bench::glyph_width + 2, 700);
        auto *display = new xirr_ansi_display_core(view);
        auto start = std::chrono::steady_clock::now();
        for (size_t at = 0; at < stream.size(); at += read_size) {
            size_t n = std::min(read_size, stream.size() - at);
            display->write_ansi_data(stream.data() + at, static_cast<int>(n));
        }
        seconds = text_bench::seconds_since(start);
        bytes_per_line = double(resident_bytes() - before) / line_count;
        state.SetIterationTime(seconds);
        printf("memory: %.0f bytes per line (target <= 1000); render list %d entries; "
               "ingest %.1f x the memcpy of the same %zu bytes\n",
               bytes_per_line, display->render_list_entries(), seconds / copy, stream.size());
        delete display;
        delete view;
    }
    state.counters["bytes_per_line"] = bytes_per_line;
    state.counters["memcpy_ratio"] = seconds / copy;
}
BENCHMARK(BM_text_memory)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
