#ifndef SKIFF_DRAW_XIRR_TRANSPARENT_WINDOW_H
#define SKIFF_DRAW_XIRR_TRANSPARENT_WINDOW_H

class wxWindow;

// A window-less group of child button windows laid out inside a rectangle of
// the owner's client area; the gaps show the owner's own background.  The
// owner (the main frame) calls set_rect from its layout code and set_visible
// from the options that show or hide a bar.  GUI thread only.
class xirr_transparent_window {
public:
    explicit xirr_transparent_window(wxWindow *owner) : owner(owner) {}
    virtual ~xirr_transparent_window() = default;
    xirr_transparent_window(const xirr_transparent_window &) = delete;
    xirr_transparent_window &operator=(const xirr_transparent_window &) = delete;

    // Shows or hides every child window.
    virtual void show_children(bool show) = 0;
    // Places every child inside x, y, width, height.
    virtual void layout() = 0;
    // Makes every child button rebuild its images from the current theme.
    virtual void restyle_buttons() = 0;

    // Stores the rectangle and lays the children out in it.
    void set_rect(int x, int y, int width, int height);
    // Stores the flag and shows or hides the children.
    void set_visible(bool visible);

    int get_x() const { return x; }
    int get_y() const { return y; }
    int get_width() const { return width; }
    int get_height() const { return height; }
    bool is_visible() const { return visible != 0; }

protected:
    int x = 0;
    int y = 0;
    int width = 10;
    int height = 10;
    int visible = 1;
    wxWindow *owner;
};

#endif
