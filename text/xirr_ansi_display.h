#ifndef SKIFF_TEXT_XIRR_ANSI_DISPLAY_H
#define SKIFF_TEXT_XIRR_ANSI_DISPLAY_H

#include <wx/window.h>

#include "draw/xirr_embedded_window.h"
#include "text/xirr_ansi_display_core.h"
#include "text/xirr_ansi_scrollbar.h"
#include "text/xirr_textctrl.h"

// Every text output of the client: a drawn panel holding a scrollback view
// (xirr_textctrl), a vertical scrollbar at its right edge and a two-pixel
// frame that turns red while the scrollback is locked.  The ANSI parser,
// render list, scrolling and frame live in xirr_ansi_display_core; this
// shell places the child windows and routes their events.  Subclasses
// override on_line.  GUI thread only.
class xirr_ansi_display : public xirr_embedded_window, public xirr_ansi_display_core {
public:
    xirr_ansi_display(wxWindow *parent, wxWindowID id, const wxPoint &pos = wxDefaultPosition);
    ~xirr_ansi_display() override;

    xirr_textctrl *get_text_view() const { return text_; }
    wxScrollBar *get_scrollbar() const { return scrollbar_; }

    void relayout(bool recreated) override;
    bool animation_callback(int elapsed_ms) override;
    void repaint_internal(xirr_bitmap &surface) override;

    void show_scrollbar(int on);
    int scrollbar_shown() const { return scrollbar_shown_; }
    // Whether the last layout placed the view for the scrollbar as it is
    // now shown or hidden.
    bool layout_matches_scrollbar() const { return laid_out_scrollbar_ == (scrollbar_shown_ ? 1 : 0); }
    void set_border(int on);
    int get_scrollbar_position() override;
    void debug_fill();

protected:
    void set_scrollbar(int position, int thumb, int range, int page) override;
    void want_view_repaint() override;
    void want_panel_repaint() override;
    void want_panel_redraw_now() override;
    void want_panel_animation() override;
    void want_focus_back() override;
    // Width the shown scrollbar takes from the right edge; 0 when hidden.
    int scrollbar_width_taken() const;

private:
    void on_scroll_event(wxScrollEvent &event);
    void on_wheel(wxMouseEvent &event);

    xirr_textctrl *text_;
    xirr_ansi_scrollbar *scrollbar_;
    bool scrollbar_shown_ = true;
    int laid_out_scrollbar_ = -1;  // scrollbar_shown_ at the last layout, -1 before one
};

#endif
