// The program's entry point: the toolkit creates one xirr_app and runs it.
#include <wx/app.h>

#include "app/xirr_app.h"

wxIMPLEMENT_APP_NO_MAIN(xirr_app);

int main(int argc, char **argv)
{
    remember_command_line(argc, argv);
    return wxEntry(argc, argv);
}
