#include "text/xirr_main_window.h"

#include <wx/window.h>

#include "app/frame_services.h"
#include "config/skiff_config.h"

namespace {

int at_least_1(int v)
{
    return v < 1 ? 1 : v;
}

} // namespace

xirr_main_window::xirr_main_window(wxWindow *parent, wxWindowID id)
    : xirr_ansi_display(parent, id)
{
    SetName("");
}

void xirr_main_window::relayout(bool recreated)
{
    // show_scrollbar lays the panel out through this function again.
    if (in_relayout_)
        return;
    in_relayout_ = true;
    int want = SkiffConfig::instance().get_mw_scrollbar_enable() ? 1 : 0;
    // A show_scrollbar from outside has already changed the flag before it
    // comes here, so the flag alone would not tell that the view still has
    // the old width.
    if (scrollbar_shown() != want || recreated || !layout_matches_scrollbar()) {
        show_scrollbar(want);
        xirr_ansi_display::relayout(recreated);
    }
    place_corner_panels();
    in_relayout_ = false;
}

void xirr_main_window::place_corner_panels()
{
    wxSize view = get_text_view()->GetClientSize();
    main_window_corner corner = corner_of_text_area(view.GetWidth(), view.GetHeight());
    xirr_embedded_window *map = automap_ ? automap_->automap_panel() : nullptr;
    if (map) {
        wxSize size = map->GetClientSize();
        corner = corner_with_automap(view.GetWidth(), automap_->automap_scale(), size.GetWidth(),
                                     size.GetHeight());
    }
    int top = corner.y + place_automap(corner);
    place_group_display(corner, top);
}

int xirr_main_window::place_automap(const main_window_corner &corner)
{
    xirr_embedded_window *map = automap_ ? automap_->automap_panel() : nullptr;
    if (!map || map->GetParent() != get_text_view())
        return 0;
    map->place(corner.x, corner.y, at_least_1(corner.width), at_least_1(corner.height));
    bool logged_in = host_ && host_->login_state() == 2;
    bool shown = logged_in && SkiffConfig::instance().get_automap_display() != 0;
    map->Show(shown);
    return shown ? corner.height + 10 : 0;
}

void xirr_main_window::place_group_display(const main_window_corner &corner, int top)
{
    xirr_embedded_window *panel = group_ ? group_->group_panel() : nullptr;
    if (!panel || panel->GetParent() != get_text_view())
        return;
    if (SkiffConfig::instance().get_group_status_display() == 0 ||
        group_->group_member_count() == 0)
        panel->Hide();
    panel->place(corner.x, top, at_least_1(corner.width),
                 at_least_1(group_->group_needed_height()));
}

void xirr_main_window::on_line(const char *text)
{
    main_window_line_hook(text, the_frame_services);
}
