#ifndef SKIFF_APP_FRAME_SERVICES_H
#define SKIFF_APP_FRAME_SERVICES_H

// What the main frame offers to the panels and services it owns.  Panels
// reach the frame only through this interface (or through a narrower one of
// their own that the frame also implements), so they can be built and tested
// without it.  Main thread only.
class frame_services {
public:
    virtual ~frame_services() = default;

    // The single entry for a command line from any source; echo asks for a
    // local echo of the line.
    virtual void process_command_line(const char *text, bool echo) = 0;
    // Prepares the main output for a message from the client itself.
    virtual void begin_message() = 0;
    // Shows text in the main output.
    virtual void print(const char *text) = 0;
    // Refreshes the main output after printing.
    virtual void refresh_main_output() = 0;
    // Text shown by the next tick.
    virtual void queue_message(const char *text) = 0;
    // A URL opened in the browser by the next tick.
    virtual void open_url(const char *url) = 0;
    // Places every panel again for the current size and settings.
    virtual void layout_panels() = 0;
    // The X11 primary selection.
    virtual void set_clipboard_data(const char *text) = 0;
    virtual bool get_clipboard_data(char *buffer, int size) = 0;
};

// The main frame's services; null until the main frame exists (and in tests
// that do not install a fake).
extern frame_services *the_frame_services;

#endif
