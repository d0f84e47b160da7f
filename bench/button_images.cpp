// What a drawn button costs: building its five state images (on a size,
// label, lit or theme change) against showing one of them (every state or
// hover change), which must stay a single blit.
#include <benchmark/benchmark.h>

#include "draw/button_images.h"
#include "draw/themes.h"
#include "draw/xirr_bitmap.h"
#include "draw/xirr_glyph_font.h"
#include "draw/xirr_image_button_model.h"

namespace {

// 6 x 10 glyphs with a few inked pixels, enough to exercise label drawing.
class block_glyphs : public xirr_glyph_source {
public:
    bool measure_glyph(int c, int *width, int *height) override
    {
        *width = 6;
        *height = 10;
        return true;
    }
    bool render_glyph(int c, xirr_bitmap &surface) override
    {
        for (int y = 1; y < 9; y++)
            surface.SetPixel(1 + (c + y) % 4, y, 255, 255, 255);
        return true;
    }
};

struct bench_font : xirr_glyph_font {
    bench_font()
    {
        block_glyphs source;
        build_glyphs_from(source);
    }
};

// The 97 x 26 "Look around" button both benchmarks use.
void build_hint_images(const xirr_glyph_font &font, button_image_set &set)
{
    button_look look;
    look.label = "Look around";
    build_button_images(97, 26, look, *button_themes[theme_blue], font, set);
}

void BM_build_hint_button_images(benchmark::State &state)
{
    build_theme_tables();
    bench_font font;
    button_image_set set;
    for (auto _ : state) {
        build_hint_images(font, set);
        benchmark::DoNotOptimize(set.normal.pixels());
    }
}
BENCHMARK(BM_build_hint_button_images);

void BM_show_state_image(benchmark::State &state)
{
    build_theme_tables();
    bench_font font;
    button_image_set set;
    build_hint_images(font, set);
    xirr_image_button_model m;
    m.set_normal_image(set.normal);
    m.set_hover_image(set.hover);
    xirr_bitmap surface(97, 26);
    int hover = 0;
    for (auto _ : state) {
        m.state.hover = hover ^= 1;
        m.compose(surface, 0);
        benchmark::DoNotOptimize(surface.pixels());
    }
}
BENCHMARK(BM_show_state_image);

} // namespace

BENCHMARK_MAIN();
