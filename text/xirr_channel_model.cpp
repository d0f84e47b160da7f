#include "text/xirr_channel_model.h"

#include <cstring>

const char *const channel_tab_measure_text = "123456789012345678";
const char *const all_channel_name = "(all)";

namespace {

// The name as stored: at most max_name bytes.
void cut_name(const char *name, char *out)
{
    if (!name)
        name = "";
    size_t n = strnlen(name, xirr_channel_entry::max_name);
    std::memcpy(out, name, n);
    out[n] = 0;
}

int at_least_1(int v)
{
    return v < 1 ? 1 : v;
}

} // namespace

channel_window_geometry compute_channel_geometry(int x, int y, int width, int height, int tw,
                                                 int th, int channels_on_page)
{
    channel_window_geometry g;
    int n = channels_on_page < 1 ? 1 : channels_on_page;
    g.tab_height = th + 4;
    g.room = at_least_1(width - th - 5);
    int fair = g.room / n - 2;
    int wanted = tw + th;
    g.tab_width = at_least_1(fair < wanted ? fair : wanted);
    g.page_button_x = x + g.room + 2;
    g.page_button_y = y + 2;
    g.page_button_size = at_least_1(th);
    g.placeholder_x = x + 1;
    g.placeholder_y = y + 1;
    g.display_x = x;
    g.display_y = y + g.tab_height + 1;
    g.display_width = at_least_1(width);
    g.display_height = at_least_1(height - g.tab_height - 1);
    g.first_tab_x = x + 1;
    g.tab_y = y + 1;
    g.tab_step = g.tab_width + 2;
    g.square_x = g.tab_width - g.tab_height + 2;
    g.square_y = 3;
    g.square_size = at_least_1(g.tab_height - 3);
    return g;
}

xirr_channel_entry *xirr_channel_model::find(const char *name) const
{
    char key[xirr_channel_entry::max_name + 1];
    cut_name(name, key);
    for (const auto &e : channels_)
        if (std::strcmp(e->name, key) == 0)
            return e.get();
    return nullptr;
}

xirr_channel_entry *xirr_channel_model::insert(const char *name)
{
    auto entry = std::make_unique<xirr_channel_entry>();
    cut_name(name, entry->name);
    entry->page = page_;
    // strcmp compares bytes as unsigned char, so upper case sorts first.
    auto at = channels_.begin();
    while (at != channels_.end() && std::strcmp((*at)->name, entry->name) < 0)
        ++at;
    xirr_channel_entry *made = channels_.insert(at, std::move(entry))->get();
    if (!current_)
        current_ = made;
    return made;
}

xirr_channel_entry *xirr_channel_model::select(const char *name)
{
    xirr_channel_entry *e = find(name);
    if (e)
        current_ = e;
    return e;
}

void xirr_channel_model::choose_current()
{
    if (current_ && current_->page == page_)
        return;
    for (const auto &e : channels_)
        if (e->page == page_) {
            current_ = e.get();
            return;
        }
}

int xirr_channel_model::switch_page()
{
    page_ = 1 - page_;
    xirr_channel_entry *was = current_;
    current_ = other_page_current_;
    other_page_current_ = was;
    choose_current();
    return page_;
}

void xirr_channel_model::move_to_other_page(xirr_channel_entry *entry)
{
    if (entry)
        entry->page = 1 - entry->page;
}

bool xirr_channel_model::note_text(xirr_channel_entry *entry)
{
    if (!entry || entry == current_)
        return false;
    entry->new_text = true;
    return true;
}

void xirr_channel_model::clear_new_text(xirr_channel_entry *entry)
{
    if (entry)
        entry->new_text = false;
}

void xirr_channel_model::clear()
{
    current_ = nullptr;
    other_page_current_ = nullptr;
    divert_channel = nullptr;
    all_channel = nullptr;
    channels_.clear();
}

channel_tab_look xirr_channel_model::look_of(const xirr_channel_entry *entry) const
{
    if (entry && entry == current_)
        return tab_look_current;
    if (entry && entry->new_text)
        return tab_look_new_text;
    return tab_look_plain;
}

int xirr_channel_model::channels_on_page(int page) const
{
    int n = 0;
    for (const auto &e : channels_)
        n += e->page == page;
    return n;
}

int xirr_channel_model::tab_index(const xirr_channel_entry *entry) const
{
    if (!entry)
        return -1;
    int i = 0;
    for (const auto &e : channels_) {
        if (e.get() == entry)
            return i;
        i += e->page == entry->page;
    }
    return -1;
}
