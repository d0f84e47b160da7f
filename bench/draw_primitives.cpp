// What the pixel surface's hot paths cost: clearing a main-window-sized
// surface, filling rectangles, drawing a screenful of glyphs, and handing the
// surface to the toolkit for a blit.
//
// The RGBA-to-wxImage step needs no display and always runs.  Uploading into
// a wxBitmap (what every blit does) needs one: it runs only when DISPLAY is
// set, e.g. `scripts/with_xvfb build/bench_draw_primitives`.
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/init.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "draw/surface_transfer.h"
#include "draw/xirr_bitmap.h"
#include "draw/xirr_glyph_font.h"

namespace {

const int surface_w = 1000, surface_h = 700;

// 7 x 14 glyphs with full and partial coverage, like an anti-aliased font.
class soft_glyphs : public xirr_glyph_source {
public:
    bool measure_glyph(int c, int *width, int *height) override
    {
        *width = 7;
        *height = 14;
        return true;
    }
    bool render_glyph(int c, xirr_bitmap &surface) override
    {
        for (int y = 2; y < 12; y++)
            for (int x = 1; x < 6; x++)
                if ((c * 7 + x * 3 + y) % 5 < 2)
                    surface.SetPixel(x, y, 0, (x + y) % 3 ? 255 : 96, 0);
        return true;
    }
};

struct bench_font : xirr_glyph_font {
    bench_font()
    {
        soft_glyphs source;
        build_glyphs_from(source);
    }
};

void BM_clear_1000x700(benchmark::State &state)
{
    xirr_bitmap s(surface_w, surface_h);
    int n = 0;
    for (auto _ : state) {
        s.Clear(rgb_color(n & 255, 0, 0));
        n++;
        benchmark::DoNotOptimize(s.pixels());
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)surface_w * surface_h * 4);
}
BENCHMARK(BM_clear_1000x700);

// 100 rectangles of 100 x 70, together the whole surface once.
void BM_fill_rectangles_1000x700(benchmark::State &state)
{
    xirr_bitmap s(surface_w, surface_h);
    for (auto _ : state) {
        for (int i = 0; i < 100; i++) {
            int x = (i % 10) * 100, y = (i / 10) * 70;
            s.DrawFilledRectangle(x, y, x + 99, y + 69, rgb_color(i, 2 * i, 3 * i));
        }
        benchmark::DoNotOptimize(s.pixels());
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_fill_rectangles_1000x700);

void BM_x_gradient_1000x700(benchmark::State &state)
{
    xirr_bitmap s(surface_w, surface_h);
    for (auto _ : state) {
        s.DrawXGradientRectangle(0, 0, surface_w - 1, surface_h - 1, color_black, color_white);
        benchmark::DoNotOptimize(s.pixels());
    }
}
BENCHMARK(BM_x_gradient_1000x700);

// 100 printable characters.
std::string bench_line()
{
    std::string line(100, ' ');
    for (int i = 0; i < 100; i++)
        line[i] = (char)(33 + (i * 7) % 90);
    return line;
}

// 50 lines of 100 characters with a background: 5000 glyphs.
void BM_draw_5000_glyphs(benchmark::State &state)
{
    bench_font font;
    xirr_bitmap s(surface_w, surface_h);
    const std::string line = bench_line();
    for (auto _ : state) {
        for (int row = 0; row < 50; row++)
            s.DrawText(font, line.c_str(), 0, row * 14, color_white, color_black);
        benchmark::DoNotOptimize(s.pixels());
    }
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_draw_5000_glyphs);

void BM_draw_5000_glyphs_transparent(benchmark::State &state)
{
    bench_font font;
    xirr_bitmap s(surface_w, surface_h);
    s.Clear(color_blue);
    const std::string line = bench_line();
    for (auto _ : state) {
        for (int row = 0; row < 50; row++)
            s.DrawTextTransparent(font, line.c_str(), 0, row * 14, color_white);
        benchmark::DoNotOptimize(s.pixels());
    }
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_draw_5000_glyphs_transparent);

void BM_surface_to_wximage_1000x700(benchmark::State &state)
{
    xirr_bitmap s(surface_w, surface_h);
    s.Clear(color_grey128);
    for (auto _ : state) {
        wxImage image;
        surface_to_image(s, image);
        benchmark::DoNotOptimize(image.GetData());
    }
}
BENCHMARK(BM_surface_to_wximage_1000x700);

// The whole upload a blit needs, into a bitmap kept between blits.
void BM_upload_to_wxbitmap_1000x700(benchmark::State &state)
{
    xirr_bitmap s(surface_w, surface_h);
    s.Clear(color_grey128);
    wxBitmap target;
    for (auto _ : state) {
        upload_surface(s, target);
        benchmark::DoNotOptimize(&target);
    }
}

class bench_app : public wxApp {
public:
    bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    bool toolkit = false;
    if (getenv("DISPLAY")) {
        wxApp::SetInstance(new bench_app);
        toolkit = wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
    }
    if (toolkit)
        benchmark::RegisterBenchmark("BM_upload_to_wxbitmap_1000x700",
                                     BM_upload_to_wxbitmap_1000x700);
    else
        printf("BM_upload_to_wxbitmap_1000x700 skipped: no display (run under scripts/with_xvfb)\n");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (toolkit)
        wxEntryCleanup();
    return 0;
}
