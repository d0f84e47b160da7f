#ifndef SKIFF_DRAW_XIRR_FRAME_H
#define SKIFF_DRAW_XIRR_FRAME_H

#include <wx/frame.h>

// The base of every top-level frame: the main frame, the floating automap
// frame and the server's popup windows.  Its window name is "xirr frame "
// followed by the title.  GUI thread only.
class xirr_frame : public wxFrame {
public:
    // A frame that floats on its parent should have the main frame as
    // parent; otherwise a warning is logged (debug level 2 or above) and the
    // frame is created anyway.
    xirr_frame(wxWindow *parent, wxWindowID id, const wxString &title,
               const wxPoint &pos = wxDefaultPosition, const wxSize &size = wxDefaultSize,
               long style = wxDEFAULT_FRAME_STYLE);
    ~xirr_frame() override = default;

    // The main frame, set by the main frame itself once it exists.
    static wxWindow *main_frame;
};

#endif
