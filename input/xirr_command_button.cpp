#include "input/xirr_command_button.h"

#include <wx/event.h>

#include <cstring>

#include "app/frame_services.h"
#include "input/button_bar_services.h"

void finish_button_click()
{
    if (!the_button_bar_services)
        return;
    the_button_bar_services->transfer_focus_main();
    the_button_bar_services->unlock_main_scrollback();
}

xirr_command_button::xirr_command_button(wxWindow *parent, wxWindowID id) : xirr_button(parent, id)
{
    command[0] = 0;
    model.state.set_button_state(button_disabled);
    Bind(wxEVT_BUTTON, &xirr_command_button::on_click, this);
}

void xirr_command_button::setup_command_button(const char *label_text, const char *command_text,
                                               int enabled)
{
    set_label(label_text);
    if (!command_text)
        command_text = "";
    size_t n = strnlen(command_text, max_command);
    std::memcpy(command, command_text, n);
    command[n] = 0;
    set_enabled(enabled == 1);
}

void xirr_command_button::on_click(wxCommandEvent &event)
{
    if (get_button_state() != button_disabled && the_frame_services) {
        // The command may reshape the bars while it runs ("connect" clears
        // the hint column, which empties this button's command).
        char line[max_command + 1];
        std::memcpy(line, command, sizeof line);
        the_frame_services->process_command_line(line, true);
    }
    finish_button_click();
}
