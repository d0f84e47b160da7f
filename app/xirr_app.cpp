#include <wx/frame.h>

#include "app/xirr_app.h"
#include "support/debug_log.h"

bool xirr_app::OnInit()
{
    if (debug_level > 1)
        debug_log("--------------------------- BOOT START --------------------------\n");
    wxFrame *frame = new wxFrame(nullptr, wxID_ANY, "Veymoor", wxDefaultPosition, wxSize(984, 728));
    frame->Show(true);
    SetTopWindow(frame);
    return true;
}

int xirr_app::OnExit()
{
    if (debug_level > 1)
        debug_log("--------------------------- PROGRAM EXIT --------------------------\n");
    return 0;
}
