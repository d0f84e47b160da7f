#include <wx/display.h>
#include <wx/frame.h>
#include <wx/image.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/config_directory.h"
#include "app/display_size.h"
#include "app/shared_fonts.h"
#include "app/xirr_app.h"
#include "app/xirr_mw.h"
#include "config/skiff_config.h"
#include "draw/builtin_images.h"
#include "draw/xirr_font.h"
#include "draw/themes.h"
#include "text/xirr_text_hooks.h"
#include "support/debug_log.h"
#include "support/random.h"
#include "support/ssl_context.h"

static std::vector<std::string> raw_arguments;

void remember_command_line(int argc, char **argv)
{
    raw_arguments.clear();
    for (int i = 0; i < argc && argv && argv[i]; i++)
        raw_arguments.push_back(argv[i]);
}

// The arguments as 8-bit text: the raw ones when main kept them, otherwise
// the toolkit's, converted back through ISO-8859-1.
static void read_arguments(const wxCmdLineArgsArray &args, int argc)
{
    std::vector<std::string> texts = raw_arguments;
    if (texts.empty())
        for (int i = 0; i < argc; i++)
            texts.push_back(std::string(args[i].mb_str(wxConvISO8859_1)));
    std::vector<const char *> pointers;
    for (const std::string &t : texts)
        pointers.push_back(t.c_str());
    read_command_line(static_cast<int>(pointers.size()), pointers.data());
}

bool xirr_app::OnInit()
{
    if (debug_level > 1)
        debug_log("--------------------------- BOOT START --------------------------\n");
    // A write to a closed socket must fail with an error, not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    if (!init_ssl()) {
        if (debug_level > 0)
            debug_log("Boot failed, SSL startup is broken.\n");
        exit(1);
    }
    load_system_config_directory();
    random_seed(static_cast<uint32_t>(time(nullptr)));
    build_theme_tables();
    wxImage::AddHandler(new wxPNGHandler);
    load_builtin_images();
    create_shared_fonts(8);
    the_main_text_font = main_font;
    // The system configuration file is read here once the client has it;
    // until then every character option starts at its default.
    SkiffConfig::instance().setup_default_config(nullptr);
    delete_boot_name_file();
    read_arguments(argv, argc);
    switch_background_theme();
    switch_button_theme();
    show_main_frame();
    read_display_size();
    // The soundpack updater starts here.
    return true;
}

void xirr_app::show_main_frame()
{
    frame_ = new xirr_mw("Veymoor", wxDefaultPosition, wxSize(984, 728));
    frame_->Show(true);
    SetTopWindow(frame_);
}

void xirr_app::read_display_size()
{
    int index = wxDisplay::GetFromWindow(frame_);
    wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
    wxRect area = display.GetClientArea();
    set_display_size(area.GetWidth(), area.GetHeight());
}

int xirr_app::OnExit()
{
    if (debug_level > 1)
        debug_log("--------------------------- PROGRAM EXIT --------------------------\n");
    return 0;
}
