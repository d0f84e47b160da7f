#include <wx/window.h>

#include "input/button_records.h"
#include "input/xirr_fkey_button.h"
#include "input/xirr_fkey_manager.h"

xirr_fkey_manager::xirr_fkey_manager(wxWindow *owner) : xirr_transparent_window(owner)
{
    for (int i = 0; i < fkey_button_count; i++)
        buttons_[i] = new xirr_fkey_button(owner, wxID_ANY, i + 1);
}

xirr_fkey_manager::~xirr_fkey_manager()
{
    for (xirr_fkey_button *b : buttons_)
        b->Destroy();
}

void xirr_fkey_manager::show_children(bool show)
{
    for (xirr_fkey_button *b : buttons_)
        b->Show(show);
}

void xirr_fkey_manager::layout()
{
    for (int i = 0; i < fkey_button_count; i++) {
        bar_rect r = fkey_button_rect(i, x, y, height);
        buttons_[i]->place(r.x, r.y, r.width, r.height);
    }
}

void xirr_fkey_manager::restyle_buttons()
{
    for (xirr_fkey_button *b : buttons_)
        b->rebuild_images();
}

void xirr_fkey_manager::setup_button(const char *tag, const char *payload)
{
    fkey_record r;
    if (!parse_fkey_record(tag, payload, r))
        return;
    xirr_fkey_button *b = buttons_[r.number - 1];
    if (r.has_caption)
        b->set_caption(r.caption.c_str(), 1);
    else
        b->set_caption(nullptr, 0);
}

void xirr_fkey_manager::set_keys_active(int flag)
{
    for (xirr_fkey_button *b : buttons_)
        b->set_active(flag);
}
