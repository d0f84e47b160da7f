#include <wx/window.h>

#include "input/button_records.h"
#include "input/xirr_command_button.h"
#include "input/xirr_hint_buttons.h"

xirr_hint_buttons::xirr_hint_buttons(wxWindow *owner) : xirr_transparent_window(owner)
{
    for (xirr_command_button *&b : buttons_) {
        b = new xirr_command_button(owner, wxID_ANY);
        b->Show(false);
    }
}

xirr_hint_buttons::~xirr_hint_buttons()
{
    for (xirr_command_button *b : buttons_)
        b->Destroy();
}

void xirr_hint_buttons::show_children(bool show)
{
    if (show) {
        layout();
        return;
    }
    for (xirr_command_button *b : buttons_)
        b->Show(false);
}

void xirr_hint_buttons::layout()
{
    if (!visible)
        return;
    bool present[hint_button_count];
    for (int i = 0; i < hint_button_count; i++)
        present[i] = buttons_[i]->get_button_state() != button_disabled;
    bar_rect places[hint_button_count];
    hint_column_layout(present, x, y, places);
    for (int i = 0; i < hint_button_count; i++) {
        xirr_command_button *b = buttons_[i];
        if (!present[i]) {
            b->Show(false);
            continue;
        }
        b->place(places[i].x, places[i].y, places[i].width, places[i].height);
        b->Show(true);
        b->redraw_now();
    }
}

void xirr_hint_buttons::restyle_buttons()
{
    for (xirr_command_button *b : buttons_)
        b->rebuild_images();
}

void xirr_hint_buttons::setup_button(const char *tag, const char *payload)
{
    hint_record r;
    if (!parse_hint_record(tag, payload, r))
        return;
    xirr_command_button *b = buttons_[r.number - 1];
    if (r.has_command) {
        b->setup_command_button(r.label.c_str(), r.command.c_str(), 1);
        b->set_lit(true);
    } else {
        // A label alone removes the button.
        b->setup_command_button("", nullptr, 0);
        b->set_lit(false);
    }
    layout();
}

void xirr_hint_buttons::clear_hints()
{
    for (xirr_command_button *b : buttons_)
        b->setup_command_button("", nullptr, 0);
    layout();
}

void xirr_hint_buttons::show_connect_hints()
{
    buttons_[0]->setup_command_button("Connect", "connect", 1);
    buttons_[0]->set_lit(true);
    buttons_[hint_button_count - 1]->setup_command_button("Quit", "quit", 1);
    buttons_[hint_button_count - 1]->set_lit(true);
    // Without a layout the two would stay hidden after clear_hints.
    layout();
}

void xirr_hint_buttons::flash_hints()
{
    for (xirr_command_button *b : buttons_)
        b->flash_button();
}
