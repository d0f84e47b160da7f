// The program's entry point: the toolkit creates one xirr_app and runs it.
#include <wx/app.h>

#include "app/xirr_app.h"

wxIMPLEMENT_APP(xirr_app);
