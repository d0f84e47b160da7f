#ifndef SKIFF_APP_XIRR_APP_H
#define SKIFF_APP_XIRR_APP_H

#include <wx/app.h>

// The application object: all program logic starts in OnInit.
class xirr_app : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;
};

#endif
