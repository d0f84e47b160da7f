#include "draw/xirr_embedded_window.h"

#include <wx/dcclient.h>

#include "draw/surface_transfer.h"
#include "draw/xirr_focus_hand_off.h"

xirr_embedded_window::xirr_embedded_window(wxWindow *parent, wxWindowID id,
                                           const wxString &name, const wxPoint &pos,
                                           const wxSize &size, long style)
    : wxWindow(parent, id, pos, size, style, name),
      backing_surface(size.x > 1 ? size.x : 1, size.y > 1 ? size.y : 1)
{
    Bind(wxEVT_PAINT, &xirr_embedded_window::on_paint, this);
    Bind(wxEVT_SIZE, &xirr_embedded_window::on_size, this);
    Bind(wxEVT_ERASE_BACKGROUND, &xirr_embedded_window::on_erase_background, this);
}

xirr_embedded_window::~xirr_embedded_window()
{
    // Off the list before the toolkit window goes, so no tick can reach a
    // half-destroyed panel.
    stop_animation();
}

void xirr_embedded_window::on_paint(wxPaintEvent &event)
{
    if (!IsShown())
        return;
    wxPaintDC dc(this);
    repaint_internal(backing_surface);
    blit_surface(dc, backing_surface, 0, 0, upload_);
}

void xirr_embedded_window::redraw_now()
{
    if (!IsShown())
        return;
    repaint_internal(backing_surface);
    wxClientDC dc(this);
    blit_surface(dc, backing_surface, 0, 0, upload_);
}

void xirr_embedded_window::apply_size(int x, int y, int width, int height, bool keep_position)
{
    width = width < 1 ? 1 : width;
    height = height < 1 ? 1 : height;
    wxSize now = GetClientSize();
    bool recreated = false;
    // The surface is checked too: a panel must never show more pixels than
    // its surface holds, whatever the toolkit did to its size meanwhile.
    if (now.x != width || now.y != height || backing_surface.GetWidth() != width ||
        backing_surface.GetHeight() != height) {
        backing_surface.Create(width, height);
        recreated = true;
    }
    if (keep_position)
        SetSize(wxDefaultCoord, wxDefaultCoord, width, height, wxSIZE_USE_EXISTING);
    else
        SetSize(x, y, width, height, wxSIZE_AUTO);
    relayout(recreated);
}

void xirr_embedded_window::place(int x, int y, int width, int height)
{
    apply_size(x, y, width, height, false);
}

void xirr_embedded_window::resize(int width, int height)
{
    apply_size(0, 0, width, height, true);
}

void xirr_embedded_window::force_relayout()
{
    relayout(true);
}

void xirr_embedded_window::hand_off_focus()
{
    Bind(wxEVT_SET_FOCUS, &xirr_embedded_window::on_set_focus, this);
}

void xirr_embedded_window::on_set_focus(wxFocusEvent &event)
{
    if (the_focus_hand_off && the_focus_hand_off->transfer_focus_main(this))
        return;
    event.Skip();
}
