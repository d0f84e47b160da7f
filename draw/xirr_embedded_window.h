#ifndef SKIFF_DRAW_XIRR_EMBEDDED_WINDOW_H
#define SKIFF_DRAW_XIRR_EMBEDDED_WINDOW_H

#include <wx/bitmap.h>
#include <wx/window.h>

#include "draw/xirr_animated.h"
#include "draw/xirr_bitmap.h"
#include "draw/xirr_flash_ticker.h"

// A child window that draws its whole content into a pixel surface of its own
// size (backing_surface) and copies that surface to the screen in one blit.
// The toolkit never erases it and size events are ignored: the size changes
// only through place() and resize().  Every repaint re-renders the whole
// panel, so repaint_internal must paint every pixel it shows.
//
// It is on the animation list (xirr_animated) while something in it
// animates, and has a blink counter (flash_ticker).  GUI thread only.
class xirr_embedded_window : public wxWindow, public xirr_animated {
public:
    // Creates the toolkit window (no border; subclasses pass the default
    // position and a 20 x 20 size and are sized later with place or resize)
    // and a backing surface of max(width, 1) x max(height, 1).
    xirr_embedded_window(wxWindow *parent, wxWindowID id, const wxString &name,
                         const wxPoint &pos = wxDefaultPosition,
                         const wxSize &size = wxSize(20, 20), long style = wxBORDER_NONE);
    ~xirr_embedded_window() override;

    // After every size change (recreated: the backing surface is new) and
    // whenever a subclass must recompute its geometry.
    virtual void relayout(bool recreated) = 0;
    // Moves and sizes the panel (width and height at least 1), re-creates the
    // surface when the size changed, then relayout().
    virtual void place(int x, int y, int width, int height);
    // Sizes the panel and keeps its position.
    virtual void resize(int width, int height);
    // relayout(true).
    virtual void force_relayout();
    // Draws the panel's whole visible content into `surface` (always
    // backing_surface).
    virtual void repaint_internal(xirr_bitmap &surface) = 0;

    // Re-renders and blits at once through a client context, without
    // waiting for a paint event; nothing when the panel is hidden.
    void redraw_now();

    xirr_bitmap backing_surface;
    xirr_flash_ticker flash_ticker;

protected:
    // For panels that must never keep the keyboard focus: from now on the
    // set-focus event hands the focus to the input line (the_focus_hand_off),
    // and goes on to the toolkit when that does not happen.
    void hand_off_focus();

private:
    void on_paint(wxPaintEvent &event);
    void on_size(wxSizeEvent &event) {}
    void on_erase_background(wxEraseEvent &event) {}
    void on_set_focus(wxFocusEvent &event);
    void apply_size(int x, int y, int width, int height, bool keep_position);

    // The toolkit bitmap the surface is uploaded into, kept between blits.
    wxBitmap upload_;
};

#endif
