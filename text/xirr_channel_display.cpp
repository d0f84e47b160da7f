#include "text/xirr_channel_display.h"

#include <wx/window.h>

#include "text/xirr_channel_button.h"
#include "text/xirr_channel_looks.h"

xirr_channel_display::xirr_channel_display(wxWindow *parent, xirr_channel_button *tab)
    : xirr_ansi_display(parent, wxID_ANY), tab_(tab)
{
}

void xirr_channel_display::repaint_internal(xirr_bitmap &surface)
{
    surface.Clear(color_black);
    xirr_ansi_display::repaint_internal(surface);
    if (!tab_ || !tab_->IsShown())
        return;
    wxSize size = GetClientSize();
    int offset = tab_->GetPosition().x - GetPosition().x;
    cut_channel_frame_gap(surface, size.GetWidth() - scrollbar_width_taken(), size.GetHeight(), offset,
                          tab_->GetSize().GetWidth());
}
