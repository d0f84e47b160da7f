#ifndef SKIFF_INPUT_XIRR_INPUT_WINDOW_H
#define SKIFF_INPUT_XIRR_INPUT_WINDOW_H

#include <string>

#include <wx/font.h>
#include <wx/window.h>

#include "draw/xirr_embedded_window.h"
#include "input/xirr_line_edit.h"

// The command input panel: a thin drawn frame around one xirr_line_edit.
// The panel keeps the keyboard focus for the client: giving it the focus
// gives it to the line edit.  GUI thread only.
class xirr_input_window : public xirr_embedded_window {
public:
    // The line edit's window name is the given name + " input window".
    xirr_input_window(wxWindow *parent, wxWindowID id, const wxString &name);

    xirr_line_edit *line_edit() const { return line_edit_; }
    void set_host(xirr_input_host *host) { line_edit_->set_host(host); }

    void select_history_set(int set) { line_edit_->select_history_set(set); }
    void set_hidden_input() { line_edit_->set_hidden_input(); }
    void set_normal_input() { line_edit_->set_normal_input(); }
    bool is_hidden_input() const { return line_edit_->is_hidden_input(); }
    void apply_input_style() { line_edit_->apply_input_style(); }
    void set_input_font(const wxFont &font) { line_edit_->set_input_font(font); }
    void show_history() { line_edit_->show_history(); }
    void clear_line() { line_edit_->clear_line(); }
    void submit_line() { line_edit_->submit_line(); }
    void history_store(const std::string &text) { line_edit_->history_store(text); }

    // Blinks the frame: 16 steps of 200 ms.
    void flash_input();

    void relayout(bool recreated) override;
    void repaint_internal(xirr_bitmap &surface) override;
    bool animation_callback(int elapsed_ms) override;

private:
    void on_set_focus(wxFocusEvent &event);

    xirr_line_edit *line_edit_;
};

#endif
