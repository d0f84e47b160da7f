#include "input/xirr_input_window.h"

#include <wx/event.h>

#include "input/xirr_input_frame.h"

xirr_input_window::xirr_input_window(wxWindow *parent, wxWindowID id, const wxString &name)
    : xirr_embedded_window(parent, id, name)
{
    line_edit_ = new xirr_line_edit(this, wxID_ANY, name);
    Bind(wxEVT_SET_FOCUS, &xirr_input_window::on_set_focus, this);
}

void xirr_input_window::on_set_focus(wxFocusEvent &event)
{
    line_edit_->SetFocus();
}

void xirr_input_window::relayout(bool recreated)
{
    wxSize size = GetClientSize();
    int width = size.x - 4 > 1 ? size.x - 4 : 1;
    int height = size.y - 2 > 1 ? size.y - 2 : 1;
    line_edit_->SetSize(2, 1, width, height);
    redraw_now();
}

void xirr_input_window::repaint_internal(xirr_bitmap &surface)
{
    paint_input_frame(surface, flash_ticker);
}

void xirr_input_window::flash_input()
{
    flash_ticker.start();
    start_animation();
    if (flash_ticker.take_change())
        redraw_now();
}

bool xirr_input_window::animation_callback(int elapsed_ms)
{
    flash_ticker.advance(elapsed_ms);
    if (flash_ticker.take_change())
        redraw_now();
    return flash_ticker.steps_left() > 0;
}
