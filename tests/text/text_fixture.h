#ifndef SKIFF_TESTS_TEXT_TEXT_FIXTURE_H
#define SKIFF_TESTS_TEXT_TEXT_FIXTURE_H

#include <cstdio>
#include <string>
#include <vector>

#include "tests/common/null_frame_services.h"
#include "tests/common/test_font.h"
#include "text/xirr_ansi_display_core.h"
#include "text/xirr_textctrl_core.h"

// Records what the text views hand to the main frame.
class recording_frame_services : public null_frame_services {
public:
    recording_frame_services() { previous_ = the_frame_services; the_frame_services = this; }
    ~recording_frame_services() override { the_frame_services = previous_; }

    void open_url(const char *url) override { urls.push_back(url); }
    void set_clipboard_data(const char *text) override { clipboard = text; clipboard_writes++; }

    std::vector<std::string> urls;
    std::string clipboard;
    int clipboard_writes = 0;

private:
    frame_services *previous_;
};

// A view core with the 6 x 10 test font, width x height pixels.
struct text_view_fixture {
    explicit text_view_fixture(int width = 600, int height = 100)
    {
        view.set_font(&font);
        view.set_view_size(width, height);
    }
    std::string row(int r) const
    {
        std::string s;
        view.row_text(r, &s);
        return s;
    }
    std::vector<std::string> rows() const
    {
        std::vector<std::string> all;
        for (int r = 0; r <= view.get_last_line(); r++)
            all.push_back(row(r));
        return all;
    }
    test_font font;
    xirr_textctrl_core view;
};

// Presses the left button at (x, y) on the view and returns the event, held,
// for the moves and the release that follow.
inline xirr_mouse_event press_left(xirr_textctrl_core &view, int x, int y)
{
    xirr_mouse_event e;
    e.kind = xirr_mouse_event::left_down;
    e.left_held = true;
    e.x = x;
    e.y = y;
    view.handle_mouse(e);
    return e;
}

// A display whose completed lines are collected.
class line_collecting_display : public xirr_ansi_display_core {
public:
    explicit line_collecting_display(xirr_textctrl_core *view) : xirr_ansi_display_core(view) {}
    void on_line(const char *text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

inline std::string hex_color(uint32_t c)
{
    char s[8];
    snprintf(s, sizeof s, "%06X", c & 0xFFFFFF);
    return s;
}

#endif
