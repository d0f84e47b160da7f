#ifndef SKIFF_INPUT_XIRR_LINE_EDIT_H
#define SKIFF_INPUT_XIRR_LINE_EDIT_H

#include <string>

#include <wx/font.h>
#include <wx/textctrl.h>

#include "input/xirr_line_edit_model.h"

// The command line's text control: a borderless multi-line toolkit text
// control whose keys, wheel and paste go to an xirr_line_edit_model.  Text
// crosses between the control and the model as 8-bit bytes through
// ISO-8859-1.  Main thread only.
class xirr_line_edit : public wxTextCtrl, public xirr_line_access {
public:
    // The window name is the given name followed by " input window".
    xirr_line_edit(wxWindow *parent, wxWindowID id, const wxString &name);

    xirr_line_edit_model &model() { return model_; }
    void set_host(xirr_input_host *host) { model_.set_host(host); }

    void select_history_set(int set) { model_.select_history_set(set); }
    // Black on black, nothing stored in the history until set_normal_input.
    void set_hidden_input();
    void set_normal_input();
    bool is_hidden_input() const { return model_.hidden_input(); }
    void apply_input_style() override;
    void set_input_font(const wxFont &font);
    void show_history() { model_.show_history(); }
    void clear_line() override;
    void history_up() { model_.history_up(*this); }
    void history_down() { model_.history_down(*this); }
    void history_store(const std::string &text) { model_.history_store(text); }
    void submit_line() { model_.submit_line(*this); }
    void manual_clipboard_paste() { model_.manual_clipboard_paste(*this); }

    // xirr_line_access
    std::string line_text() override;
    long line_cursor() override;
    void set_line_cursor(long position) override;
    bool line_selection(long *from, long *to) override;
    void select_whole_line() override;
    void show_line(const std::string &text) override;
    void insert_text(const std::string &text) override;

    // The toolkit's key code and modifiers in the key map's terms.
    static xirr_key_press translate_key(const wxKeyEvent &event);

private:
    void apply_colours(const wxColour &text);
    void on_key_down(wxKeyEvent &event);
    void on_key_up(wxKeyEvent &event);
    void on_wheel(wxMouseEvent &event);
    void on_kill_focus(wxFocusEvent &event);
    void pasteEvent(wxClipboardTextEvent &event);

    xirr_line_edit_model model_;
    wxFont font_;
    // The hidden colours are in effect: browsing keeps them, so a history
    // entry recalled at a password prompt does not make the password visible.
    bool hidden_style_ = false;
};

// Conversions between the toolkit's text and the client's bytes.
// Characters beyond ISO-8859-1 (from an input method or a middle-click
// paste) become '?', so the rest of the line is never lost.
std::string wx_to_bytes(const wxString &text);
wxString bytes_to_wx(const std::string &bytes);

#endif
