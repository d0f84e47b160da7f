#include "text/xirr_ansi_display.h"

#include <wx/event.h>
#include <wx/string.h>

#include "draw/xirr_focus_hand_off.h"

namespace {

// The view exists before the core that drives it.
xirr_textctrl *make_view(wxWindow *parent)
{
    return new xirr_textctrl(parent, wxID_ANY);
}

int at_least_1(int v)
{
    return v < 1 ? 1 : v;
}

} // namespace

xirr_ansi_display::xirr_ansi_display(wxWindow *parent, wxWindowID id, const wxPoint &pos)
    : xirr_embedded_window(parent, id, "xirr_ansi_display", pos),
      xirr_ansi_display_core(make_view(this)),
      text_(static_cast<xirr_textctrl *>(text_view())),
      scrollbar_(new xirr_ansi_scrollbar(this))
{
    const wxEventTypeTag<wxScrollEvent> scroll_events[] = {
        wxEVT_SCROLL_TOP,      wxEVT_SCROLL_BOTTOM,     wxEVT_SCROLL_LINEUP,
        wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP,     wxEVT_SCROLL_PAGEDOWN,
        wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_CHANGED};
    for (const auto &type : scroll_events)
        scrollbar_->Bind(type, &xirr_ansi_display::on_scroll_event, this);
    Bind(wxEVT_MOUSEWHEEL, &xirr_ansi_display::on_wheel, this);
    hand_off_focus();
}

xirr_ansi_display::~xirr_ansi_display() = default;

// The scrollbar is as wide as the toolkit likes it, and every one of its
// events (top, bottom, lines, pages, thumb moves, changes) just reports the
// thumb position.
int xirr_ansi_display::scrollbar_width_taken() const
{
    return scrollbar_shown_ ? at_least_1(scrollbar_->GetBestSize().GetWidth()) : 0;
}

// Every layout ends the scroll lock.
void xirr_ansi_display::relayout(bool recreated)
{
    wxSize size = GetClientSize();
    int W = size.GetWidth(), H = size.GetHeight();
    int s = at_least_1(scrollbar_->GetBestSize().GetWidth());
    scrollbar_->SetSize(W - s, 0, s, at_least_1(H));
    int taken = scrollbar_shown_ ? s : 0;
    int inset = border_flag() ? 2 : 0;
    unlock_scrollback();
    scrollbar_->Show(scrollbar_shown_);
    laid_out_scrollbar_ = scrollbar_shown_ ? 1 : 0;
    text_->place(inset, inset, at_least_1(W - 2 * inset - taken), at_least_1(H - 2 * inset));
    update_scrollbar();
}

bool xirr_ansi_display::animation_callback(int elapsed_ms)
{
    return animate_frame(elapsed_ms);
}

void xirr_ansi_display::repaint_internal(xirr_bitmap &surface)
{
    wxSize size = GetClientSize();
    paint_frame(surface, size.GetWidth() - scrollbar_width_taken(), size.GetHeight());
}

void xirr_ansi_display::show_scrollbar(int on)
{
    if ((on != 0) == scrollbar_shown_)
        return;
    scrollbar_shown_ = on != 0;
    relayout(false);
}

void xirr_ansi_display::set_border(int on)
{
    set_border_flag(on);
    relayout(false);
}

int xirr_ansi_display::get_scrollbar_position()
{
    return scrollbar_->GetThumbPosition();
}

void xirr_ansi_display::debug_fill()
{
    xirr_ansi_display_core::debug_fill(static_cast<int>(sizeof(wxString)));
    refresh_text();
}

void xirr_ansi_display::set_scrollbar(int position, int thumb, int range, int page)
{
    xirr_ansi_display_core::set_scrollbar(position, thumb, range, page);
    scrollbar_->SetScrollbar(position < 0 ? 0 : position, thumb, range, page, true);
}

void xirr_ansi_display::want_view_repaint()
{
    text_->Refresh(false);
}

void xirr_ansi_display::want_panel_repaint()
{
    Refresh(false);
}

void xirr_ansi_display::want_panel_redraw_now()
{
    redraw_now();
}

void xirr_ansi_display::want_panel_animation()
{
    start_animation();
}

void xirr_ansi_display::want_focus_back()
{
    if (!the_focus_hand_off || !the_focus_hand_off->transfer_focus_main(this))
        SetFocus();
}

void xirr_ansi_display::on_scroll_event(wxScrollEvent &event)
{
    on_scrollbar(scrollbar_->GetThumbPosition());
}

void xirr_ansi_display::on_wheel(wxMouseEvent &event)
{
    if (event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL)
        handle_panel_wheel(event.GetWheelRotation(), event.GetWheelDelta());
}
