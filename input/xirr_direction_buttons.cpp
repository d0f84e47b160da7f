#include <wx/window.h>

#include "input/xirr_command_button.h"
#include "input/xirr_direction_buttons.h"

xirr_direction_buttons::xirr_direction_buttons(wxWindow *owner) : xirr_transparent_window(owner)
{
    for (xirr_command_button *&b : buttons_)
        b = new xirr_command_button(owner, wxID_ANY);
}

xirr_direction_buttons::~xirr_direction_buttons()
{
    for (xirr_command_button *b : buttons_)
        b->Destroy();
}

void xirr_direction_buttons::show_children(bool show)
{
    if (show)
        layout();
    for (xirr_command_button *b : buttons_)
        b->Show(show);
}

void xirr_direction_buttons::layout()
{
    for (int i = 0; i < direction_button_count; i++) {
        const bar_rect &r = direction_buttons_table[i].place;
        buttons_[i]->place(x + r.x, y + r.y, r.width, r.height);
    }
}

void xirr_direction_buttons::restyle_buttons()
{
    for (xirr_command_button *b : buttons_)
        b->rebuild_images();
}

void xirr_direction_buttons::init_directions()
{
    for (int i = 0; i < direction_button_count; i++) {
        const direction_button_entry &entry = direction_buttons_table[i];
        buttons_[i]->setup_command_button(entry.label, entry.command, 0);
    }
    buttons_[direction_out_button]->set_lit(true);
    directions_off();
}

void xirr_direction_buttons::directions_on()
{
    for (xirr_command_button *b : buttons_)
        b->set_enabled(true);
}

void xirr_direction_buttons::directions_off()
{
    for (xirr_command_button *b : buttons_)
        b->set_enabled(false);
}

void xirr_direction_buttons::set_exit_mask(int mask)
{
    for (int i = 0; i < direction_button_count; i++) {
        int bit = direction_buttons_table[i].exit_bit;
        if (bit)
            buttons_[i]->set_lit((mask & bit) != 0);
    }
}
