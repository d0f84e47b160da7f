#include "text/xirr_channel_window.h"

#include <wx/string.h>
#include <wx/window.h>

#include <cstdio>
#include <cstring>

#include "draw/button_fonts.h"
#include "draw/xirr_glyph_font.h"
#include "support/debug_log.h"
#include "text/xirr_channel_button.h"
#include "text/xirr_channel_display.h"
#include "text/xirr_channel_paging_button.h"
#include "text/xirr_text_hooks.h"

namespace {

wxString latin1(const char *text)
{
    return wxString(text, wxConvISO8859_1);
}

const char *const no_channel_tip =
    "There are no channels to display yet. When there are,\n"
    "use the buttons here to switch between channels.";
const char *const blank_tip =
    "There are no channels to display yet. When\n"
    "there are, they will be displayed here.";

} // namespace

xirr_channel_window::xirr_channel_window(wxWindow *owner)
    : xirr_transparent_window(owner), font_(the_main_text_font)
{
    visible = 0;
    page_button_ = new xirr_channel_paging_button(owner, this);
    page_button_->set_toggle_mode(true);
    page_button_->set_button_state(tab_look_new_text);
    page_button_->rebuild_images();

    placeholder_ = new xirr_channel_button(owner, nullptr);
    placeholder_->set_current(true);
    placeholder_->get_page_button()->Hide();
    placeholder_->set_label("(no channel)");
    placeholder_->SetToolTip(no_channel_tip);

    blank_ = new xirr_ansi_display(owner, wxID_ANY);
    blank_->SetName("Blank Channel Tab");
    blank_->show_text(" \n(Tabbed channel window - messages from other players will appear here.)\n");
    blank_->SetToolTip(blank_tip);
    show_children(false);
}

xirr_channel_window::~xirr_channel_window()
{
    for (const auto &e : model_.channels()) {
        delete e->display;
        delete e->tab;
    }
    model_.clear();
    delete blank_;
    delete placeholder_;
    delete page_button_;
}

// ------------------------------------------------------------ channels

void xirr_channel_window::divert_to_channel(const char *name)
{
    model_.all_channel = find_or_create(all_channel_name);
    model_.divert_channel = find_or_create(name);
}

void xirr_channel_window::clear_divert_channel()
{
    if (!model_.divert_channel) {
        if (debug_level > 0)
            debug_log("Error in xirr_channel_window::clear_divert_channel(), null divert channel?\n");
        return;
    }
    model_.divert_channel = nullptr;
}

xirr_channel_entry *xirr_channel_window::find_or_create(const char *name)
{
    xirr_channel_entry *entry = model_.find(name);
    if (entry)
        return entry;
    entry = model_.insert(name);
    create_views(entry);
    layout();
    show_children(visible != 0);
    return entry;
}

void xirr_channel_window::create_views(xirr_channel_entry *entry)
{
    auto *tab = new xirr_channel_button(owner, this);
    tab->Hide();
    tab->set_label(entry->name);
    tab->get_page_button()->owner = entry;
    auto *display = new xirr_channel_display(owner, tab);
    display->SetName(latin1(entry->name));
    display->Hide();
    if (font_)
        display->set_display_font(font_);
    entry->tab = tab;
    entry->display = display;

    char tip[128];
    if (std::strcmp(entry->name, all_channel_name) == 0) {
        std::snprintf(tip, sizeof tip, "Display of all channels combined.");
        display->show_text(" \nTabbed display for all channels combined.\n");
    } else {
        std::snprintf(tip, sizeof tip, "Tabbed display for channel '%s'.", entry->name);
        display->show_text(" \nTabbed display for channel '");
        display->show_text(entry->name);
        display->show_text("'\n");
    }
    tab->SetToolTip(latin1(tip));
    display->SetToolTip(latin1(tip));
}

void xirr_channel_window::display_socket_data(const char *data, int length)
{
    if (!model_.divert_channel || !model_.all_channel) {
        if (debug_level > 0)
            debug_log("Error in xirr_channel_window::display_socket_data(), null divert channel?\n");
        return;
    }
    feed(model_.divert_channel, data, length);
    // A divert to "(all)" itself must not show its text twice.
    if (model_.all_channel != model_.divert_channel)
        feed(model_.all_channel, data, length);
}

void xirr_channel_window::feed(xirr_channel_entry *entry, const char *data, int length)
{
    if (entry->display)
        entry->display->write_ansi_data(data, length);
    if (length > 0 && model_.note_text(entry) && entry->tab)
        entry->tab->set_new_text(true);
}

void xirr_channel_window::clear_channels()
{
    for (const auto &e : model_.channels()) {
        // The display points at its tab, so it goes first.
        delete e->display;
        delete e->tab;
    }
    model_.clear();
    show_children(visible != 0);
}

void xirr_channel_window::select_channel(const char *name)
{
    model_.select(name);
    show_children(visible != 0);
}

void xirr_channel_window::switch_page()
{
    int page = model_.switch_page();
    page_button_->set_button_state(page == 1 ? tab_look_new_text : tab_look_current);
}

void xirr_channel_window::set_channel_font(const xirr_glyph_font *font)
{
    font_ = font;
    if (!font)
        return;
    for (const auto &e : model_.channels())
        if (e->display)
            e->display->set_display_font(font);
    blank_->set_display_font(font);
}

// --------------------------------------------------- the display shown

xirr_ansi_display *xirr_channel_window::shown_display() const
{
    xirr_channel_entry *current = model_.current();
    return current ? current->display : blank_;
}

int xirr_channel_window::is_current_following()
{
    xirr_ansi_display *d = shown_display();
    return d ? d->is_following() : 0;
}

void xirr_channel_window::unlock_current()
{
    if (xirr_ansi_display *d = shown_display())
        d->unlock_scrollback();
}

void xirr_channel_window::lock_current()
{
    if (xirr_ansi_display *d = shown_display())
        d->lock_scrollback();
}

void xirr_channel_window::clear_current_selection()
{
    if (xirr_ansi_display *d = shown_display())
        d->clear_selection();
}

void xirr_channel_window::clear_channel_new_data()
{
    for (const auto &e : model_.channels())
        if (e->display)
            e->display->clear_new_data();
}

void xirr_channel_window::refresh_channels_with_new_data()
{
    for (const auto &e : model_.channels())
        if (e->display && e->display->has_new_data())
            e->display->refresh_text();
}

// ------------------------------------------------------------ the group

void xirr_channel_window::show_children(bool show)
{
    model_.choose_current();
    int page = model_.page();
    for (const auto &e : model_.channels())
        show_channel(e.get(), show, page);
    bool empty = model_.channels_on_page(page) == 0;
    placeholder_->Show(empty && show);
    blank_->Show(empty && show);
    page_button_->Show(show);
}

void xirr_channel_window::show_channel(xirr_channel_entry *e, bool show, int page_shown)
{
    if (!e->tab || !e->display)
        return;
    if (e->page != page_shown) {
        e->tab->Show(false);
        e->display->Show(false);
        return;
    }
    bool current = e == model_.current();
    e->display->Show(current && show);
    e->tab->set_current(current);
    e->tab->Show(show);
    e->tab->Refresh(false);
}

void xirr_channel_window::layout()
{
    int tw = 0, th = 0;
    glyph_text_extent(&button_label_font(), channel_tab_measure_text, &tw, &th);
    int page = model_.page();
    for (const auto &e : model_.channels())
        if (e->display)
            e->display->refresh_all();
    channel_window_geometry g =
        compute_channel_geometry(x, y, width, height, tw, th, model_.channels_on_page(page));
    page_button_->place(g.page_button_x, g.page_button_y, g.page_button_size, g.page_button_size);
    placeholder_->place(g.placeholder_x, g.placeholder_y, g.tab_width, g.tab_height);
    blank_->place(g.display_x, g.display_y, g.display_width, g.display_height);
    int index = 0;
    for (const auto &e : model_.channels()) {
        if (e->tab && e->page == page)
            e->tab->place(g.tab_x(index++), g.tab_y, g.tab_width, g.tab_height);
        if (e->display)
            e->display->place(g.display_x, g.display_y, g.display_width, g.display_height);
    }
}

void xirr_channel_window::restyle_buttons()
{
    for (const auto &e : model_.channels())
        if (e->tab)
            e->tab->rebuild_images();
    placeholder_->rebuild_images();
    page_button_->rebuild_images();
}

// ------------------------------------------------------------- clicks

void xirr_channel_window::on_tab_press(xirr_channel_button *tab)
{
    if (tab->get_owner() != this)
        return;
    for (const auto &e : model_.channels())
        if (e->tab == tab) {
            model_.clear_new_text(e.get());
            tab->set_new_text(false);
            select_channel(e->name);
            return;
        }
}

void xirr_channel_window::on_page_button_press(xirr_channel_paging_button *button)
{
    if (button->owner)
        model_.move_to_other_page(button->owner);
    else if (button == page_button_)
        switch_page();
    else
        return;
    layout();
    show_children(visible != 0);
}
