#ifndef SKIFF_DRAW_XIRR_BUTTON_H
#define SKIFF_DRAW_XIRR_BUTTON_H

#include "draw/xirr_image_button.h"

// A drawn button with a text label that builds its five state images itself
// from the current button theme: on every size change, label or lit change,
// and when its bar restyles after a theme change.  GUI thread only.
class xirr_button : public xirr_image_button {
public:
    static const int max_label = 400;

    xirr_button(wxWindow *parent, wxWindowID id);

    // A null label counts as empty; longer labels are cut to 400 characters.
    void set_label(const char *text);
    const char *get_label() const { return label; }
    // Lit or unlit colours for the normal and hover images.
    void set_lit(bool flag);
    int get_lit() const { return lit; }

    // Rebuilds the images when the size changed.
    void relayout(bool recreated) override;
    // Draws all five state images again from the current size, label, flags
    // and button theme.
    virtual void rebuild_images();

protected:
    char label[max_label + 1];
    int lit = 1;
};

#endif
