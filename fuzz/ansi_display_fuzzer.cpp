// A text display with a small view, driven by a script the input spells:
// server text through the ANSI parser, new view sizes (a re-layout), fonts,
// scrolling, mouse clicks and drags (hit test, selection, URL finding),
// colour flashes, painting and clearing.  After every step the display
// rows must still be slices of the text that was written.
#include <cstdint>
#include <string>
#include <vector>

#include "draw/xirr_bitmap.h"
#include "fuzz/fuzz_support.h"
#include "tests/common/null_frame_services.h"
#include "tests/common/test_font.h"
#include "text/xirr_ansi_display_core.h"
#include "text/xirr_ansi_palette.h"
#include "text/xirr_textctrl_core.h"

namespace {

// Collects the display's completed lines, as the triggers would see them.
class line_display : public xirr_ansi_display_core {
public:
    using xirr_ansi_display_core::xirr_ansi_display_core;
    void on_line(const char *text) override { lines++; }
    int lines = 0;
};

null_frame_services frame;

const xirr_glyph_font *pick_font(int which)
{
    static const test_font fixed(6, 10);
    static const test_font proportional(5, 9, true);
    static const test_font tall(1, 40);
    const xirr_glyph_font *fonts[] = {&fixed, &proportional, &tall, nullptr};
    return fonts[which & 3];
}

// Rows from `from` on (all of them at the end; the newest after each step,
// where a narrow view can make tens of thousands).
void check_rows(const xirr_textctrl_core &view, int from)
{
    FUZZ_CHECK(view.get_last_line() >= 0);
    FUZZ_CHECK(view.get_last_line() < view.row_count() || view.row_count() == 0);
    std::string text;
    for (int r = from < 0 ? 0 : from; r < view.row_count(); r++)
        FUZZ_CHECK(view.row_text(r, &text));
    int position, range, thumb;
    view.get_scroll_info(&position, &range, &thumb);
    FUZZ_CHECK(thumb >= 1);
}

std::vector<std::string> all_rows(const xirr_textctrl_core &view)
{
    std::vector<std::string> rows;
    std::string text;
    for (int r = 0; r <= view.get_last_line() && view.row_text(r, &text); r++)
        rows.push_back(text + (view.row_hard_break(r) ? "\n" : ""));
    return rows;
}

// Laying the text out again at the same width gives the rows that writing
// it piece by piece gave.
void check_relayout(xirr_textctrl_core &view)
{
    std::vector<std::string> before = all_rows(view);
    int last = view.get_last_line();
    view.relayout_text();
    FUZZ_CHECK(view.get_last_line() == last);
    FUZZ_CHECK(all_rows(view) == before);
}

void mouse(xirr_textctrl_core &view, FuzzedDataProvider &fdp)
{
    xirr_mouse_event e;
    e.kind = static_cast<xirr_mouse_event::kind_t>(fdp.ConsumeIntegralInRange<int>(0, 4));
    e.x = fdp.ConsumeIntegralInRange<int>(-50, 400);
    e.y = fdp.ConsumeIntegralInRange<int>(-300, 600);
    uint8_t held = fdp.ConsumeIntegral<uint8_t>();
    e.left_held = held & 1;
    e.middle_held = held & 2;
    e.right_held = held & 4;
    if (e.kind == xirr_mouse_event::wheel) {
        e.wheel_rotation = fdp.ConsumeIntegralInRange<int>(-480, 480);
        e.wheel_delta = fdp.ConsumeIntegralInRange<int>(-1, 240);
    }
    view.handle_mouse(e);
}

void scroll(line_display &display, FuzzedDataProvider &fdp)
{
    int n = fdp.ConsumeIntegralInRange<int>(-1000, 1000);
    switch (fdp.ConsumeIntegralInRange<int>(0, 9)) {
    case 0: display.scroll_by(n); break;
    case 1: display.page_up(); break;
    case 2: display.page_down(); break;
    case 3: display.scroll_to_end(); break;
    case 4: display.on_scrollbar(n); break;
    case 5: display.scroll_display_to_line(n); break;
    case 6: display.handle_panel_wheel(n, fdp.ConsumeIntegralInRange<int>(-1, 240)); break;
    case 7: display.scroll_up(n); break;
    case 8: display.scroll_down(n); break;
    case 9: n > 0 ? display.lock_scrollback() : display.unlock_scrollback(); break;
    }
}

void paint(line_display &display, xirr_textctrl_core &view, FuzzedDataProvider &fdp)
{
    xirr_bitmap surface(view.view_width() > 320 ? 320 : view.view_width(),
                        view.view_height() > 240 ? 240 : view.view_height());
    view.paint(surface);
    int w = fdp.ConsumeIntegralInRange<int>(-2, 40), h = fdp.ConsumeIntegralInRange<int>(-2, 40);
    xirr_bitmap frame_surface(w < 1 ? 1 : w, h < 1 ? 1 : h);
    display.paint_frame(frame_surface, w, h);
}

void step(line_display &display, xirr_textctrl_core &view, FuzzedDataProvider &fdp)
{
    switch (fdp.ConsumeIntegralInRange<int>(0, 14)) {
    case 0: case 1: case 2: case 3: {
        std::string text = fdp.ConsumeRandomLengthString(600);
        display.write_ansi_data(text.data(), static_cast<int>(text.size()));
        break;
    }
    case 4:
        view.set_view_size(fdp.ConsumeIntegralInRange<int>(-5, 400), fdp.ConsumeIntegralInRange<int>(-5, 300));
        break;
    case 5: scroll(display, fdp); break;
    case 6: mouse(view, fdp); break;
    case 7: paint(display, view, fdp); break;
    case 8:
        display.parse_colorflash(fdp.ConsumeRandomLengthString(100).c_str());
        view.animate(fdp.ConsumeIntegralInRange<int>(0, 200));
        break;
    case 9: display.set_display_font(pick_font(fdp.ConsumeIntegral<uint8_t>())); break;
    case 10:
        switch (fdp.ConsumeIntegralInRange<int>(0, 5)) {
        case 0: display.clear_display(); break;
        case 1: display.suspend_updates(); break;
        case 2: display.resume_updates(); break;
        case 3: display.change_word_wrap(fdp.ConsumeBool()); break;
        case 4: view.set_top_anchored(fdp.ConsumeBool()); break;
        case 5: display.disable_scroll_lock(fdp.ConsumeBool()); break;
        }
        break;
    case 11: {
        display.flush_partial_line();
        display.close_pending_run();
        int entries = 0;
        for (const xirr_render_list *e = display.render_list(); e; e = e->next, entries++)
            FUZZ_CHECK(e->length > 0 && e->text[e->length] == 0);
        FUZZ_CHECK(entries == display.render_list_entries());
        break;
    }
    case 12:
        view.mouse_capture_lost();
        display.animate_frame(fdp.ConsumeIntegralInRange<int>(0, 100));
        break;
    case 13: {
        int row = fdp.ConsumeIntegralInRange<int>(-2, view.get_last_line() + 2);
        int offset = fdp.ConsumeIntegralInRange<int>(-2, 300);
        view.url_clicked_on(row, offset);
        break;
    }
    case 14: check_relayout(view); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_quiet_log();
    the_frame_services = &frame;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    set_ansi_palette(fdp.ConsumeIntegralInRange<int>(0, 3));
    xirr_textctrl_core view;
    view.set_font(pick_font(0));
    view.set_view_size(fdp.ConsumeIntegralInRange<int>(1, 200), fdp.ConsumeIntegralInRange<int>(1, 120));
    line_display display(&view);
    for (int steps = 0; steps < 200 && fdp.remaining_bytes() > 0; steps++) {
        step(display, view, fdp);
        check_rows(view, view.row_count() - 8);
    }
    check_rows(view, 0);
    return 0;
}
