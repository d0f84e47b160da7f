#ifndef SKIFF_TEXT_XIRR_TEXT_HOOKS_H
#define SKIFF_TEXT_XIRR_TEXT_HOOKS_H

class xirr_glyph_font;

// What the text displays need from the main frame beyond frame_services and
// the focus hand-off; the main frame implements it and installs itself in
// the_text_frame_hooks.  While it is null nothing happens.  Main thread only.
class xirr_text_frame_hooks {
public:
    virtual ~xirr_text_frame_hooks() = default;
    // The status bar shows the main output's scroll lock.
    virtual void repaint_status_bar() = 0;
};
extern xirr_text_frame_hooks *the_text_frame_hooks;

// The program's main font, which every new text view starts with; set by
// start-up once the shared fonts exist.  While it is null a view makes a
// fixed-pitch font of its own.
extern const xirr_glyph_font *the_main_text_font;

#endif
