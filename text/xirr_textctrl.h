#ifndef SKIFF_TEXT_XIRR_TEXTCTRL_H
#define SKIFF_TEXT_XIRR_TEXTCTRL_H

#include <wx/window.h>

#include "draw/xirr_embedded_window.h"
#include "text/xirr_textctrl_core.h"

// The scrollback view window: a drawn panel over xirr_textctrl_core, which
// holds the text and does the work.  This shell turns toolkit mouse events
// into the core's, captures the mouse for drag selection, and paints and
// animates through the panel base.  Always embedded in an xirr_ansi_display.
// GUI thread only.
class xirr_textctrl : public xirr_embedded_window, public xirr_textctrl_core {
public:
    // Starts with the program's main font (the_main_text_font).
    xirr_textctrl(wxWindow *parent, wxWindowID id, const wxPoint &pos = wxDefaultPosition,
                  const wxSize &size = wxSize(20, 20), long style = wxBORDER_NONE);
    ~xirr_textctrl() override;

    // Lays the text out again when the width changed, then redraws at once.
    void relayout(bool recreated) override;
    bool animation_callback(int elapsed_ms) override;
    void repaint_internal(xirr_bitmap &surface) override;

protected:
    void want_repaint() override;
    void want_redraw_now() override;
    void want_animation() override;
    void want_mouse_capture(bool capture) override;

private:
    void mouse_event_handler(wxMouseEvent &event);
    void on_mouse_capture_lost(wxMouseCaptureLostEvent &event);
};

#endif
