#ifndef SKIFF_TEXT_XIRR_ANSI_SCROLLBAR_H
#define SKIFF_TEXT_XIRR_ANSI_SCROLLBAR_H

#include <wx/scrolbar.h>

// The vertical scrollbar at the right edge of a text display, named
// "scrollBar".  It hands the keyboard focus back to the input line whenever
// it gets it.  GUI thread only.
class xirr_ansi_scrollbar : public wxScrollBar {
public:
    explicit xirr_ansi_scrollbar(wxWindow *parent);

private:
    void on_set_focus(wxFocusEvent &event);
};

#endif
