#ifndef SKIFF_APP_XIRR_APP_H
#define SKIFF_APP_XIRR_APP_H

#include <wx/app.h>

class wxFrame;

// The application object: all program logic starts in OnInit.
class xirr_app : public wxApp {
public:
    // Starts the client; never returns false (a start that cannot go on ends
    // the process).
    bool OnInit() override;
    int OnExit() override;

private:
    void show_main_frame();
    void read_display_size();

    wxFrame *frame_ = nullptr;
};

// The raw command line, kept before the toolkit rewrites argv (it removes
// its own options and converts the rest to wide text).
void remember_command_line(int argc, char **argv);

#endif
