#include "draw/xirr_frame.h"

#include <wx/frame.h>

#include "support/debug_log.h"

wxWindow *xirr_frame::main_frame = nullptr;

xirr_frame::xirr_frame(wxWindow *parent, wxWindowID id, const wxString &title,
                       const wxPoint &pos, const wxSize &size, long style)
    : wxFrame(parent, id, title, pos, size, style, wxString("xirr frame ") + title)
{
    if ((style & wxFRAME_FLOAT_ON_PARENT) && (!parent || parent != main_frame) && debug_level > 1)
        debug_log("Warning in xirr_frame() - frame created without main window as parent.\n");
}
