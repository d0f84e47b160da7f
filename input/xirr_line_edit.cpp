#include "input/xirr_line_edit.h"

#include <wx/defs.h>
#include <wx/event.h>

#include "support/debug_log.h"

std::string wx_to_bytes(const wxString &text)
{
    std::string bytes;
    bytes.reserve(text.length());
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
        wxUint32 c = (*it).GetValue();
        bytes += c < 256 ? static_cast<char>(c) : '?';
    }
    return bytes;
}

wxString bytes_to_wx(const std::string &bytes)
{
    return wxString(bytes.data(), wxConvISO8859_1, bytes.size());
}

xirr_line_edit::xirr_line_edit(wxWindow *parent, wxWindowID id, const wxString &name)
    : wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                 wxTE_MULTILINE | wxTE_NO_VSCROLL | wxTE_PROCESS_ENTER | wxBORDER_NONE,
                 wxDefaultValidator, name + " input window")
{
    Bind(wxEVT_KEY_DOWN, &xirr_line_edit::on_key_down, this);
    Bind(wxEVT_KEY_UP, &xirr_line_edit::on_key_up, this);
    Bind(wxEVT_MOUSEWHEEL, &xirr_line_edit::on_wheel, this);
    Bind(wxEVT_KILL_FOCUS, &xirr_line_edit::on_kill_focus, this);
    Bind(wxEVT_TEXT_PASTE, &xirr_line_edit::pasteEvent, this);
    apply_input_style();
}

void xirr_line_edit::apply_colours(const wxColour &text)
{
    SetBackgroundColour(*wxBLACK);
    SetForegroundColour(text);
    wxTextAttr style(text, *wxBLACK);
    if (font_.IsOk())
        style.SetFont(font_);
    SetDefaultStyle(style);
}

void xirr_line_edit::apply_input_style()
{
    hidden_style_ = false;
    apply_colours(wxColour(255, 255, 255));
}

void xirr_line_edit::set_hidden_input()
{
    hidden_style_ = true;
    apply_colours(*wxBLACK);
    model_.set_hidden_input(true);
}

void xirr_line_edit::set_normal_input()
{
    apply_input_style();
    model_.set_hidden_input(false);
}

void xirr_line_edit::set_input_font(const wxFont &font)
{
    bool hidden = hidden_style_;
    apply_input_style();
    font_ = font;
    SetFont(font);
    apply_input_style();
    // A font change at a password prompt must not make the password visible.
    if (hidden) {
        hidden_style_ = true;
        apply_colours(*wxBLACK);
    }
}

void xirr_line_edit::clear_line()
{
    Clear();
}

std::string xirr_line_edit::line_text()
{
    return wx_to_bytes(GetValue());
}

long xirr_line_edit::line_cursor()
{
    return GetInsertionPoint();
}

void xirr_line_edit::set_line_cursor(long position)
{
    SetSelection(position, position);
    SetInsertionPoint(position);
}

bool xirr_line_edit::line_selection(long *from, long *to)
{
    GetSelection(from, to);
    return *from < *to;
}

void xirr_line_edit::select_whole_line()
{
    SelectAll();
}

void xirr_line_edit::show_line(const std::string &text)
{
    Clear();
    if (hidden_style_)
        apply_colours(*wxBLACK);
    else
        apply_input_style();
    AppendText(bytes_to_wx(text));
    SetInsertionPointEnd();
    if (!hidden_style_)
        apply_input_style();
}

void xirr_line_edit::insert_text(const std::string &text)
{
    long from = 0, to = 0;
    if (line_selection(&from, &to))
        Replace(from, to, bytes_to_wx(text));
    else
        WriteText(bytes_to_wx(text));
}

namespace {

int translate_special(int code)
{
    switch (code) {
    case WXK_BACK: return key_backspace;
    case WXK_TAB: return key_tab;
    case WXK_RETURN: return key_return;
    case WXK_ESCAPE: return key_escape;
    case WXK_DELETE: return key_delete;
    case WXK_LEFT: return key_left;
    case WXK_RIGHT: return key_right;
    case WXK_UP: return key_up;
    case WXK_DOWN: return key_down;
    case WXK_HOME: return key_home;
    case WXK_END: return key_end;
    case WXK_PAGEUP: return key_page_up;
    case WXK_PAGEDOWN: return key_page_down;
    case WXK_NUMPAD_HOME: return key_numpad_home;
    case WXK_NUMPAD_UP: return key_numpad_up;
    case WXK_NUMPAD_PAGEUP: return key_numpad_page_up;
    case WXK_NUMPAD_LEFT: return key_numpad_left;
    case WXK_NUMPAD_BEGIN: return key_numpad_begin;
    case WXK_NUMPAD_RIGHT: return key_numpad_right;
    case WXK_NUMPAD_END: return key_numpad_end;
    case WXK_NUMPAD_DOWN: return key_numpad_down;
    case WXK_NUMPAD_PAGEDOWN: return key_numpad_page_down;
    case WXK_NUMPAD_ADD: return key_numpad_add;
    case WXK_NUMPAD_SUBTRACT: return key_numpad_subtract;
    case WXK_NUMPAD_ENTER: return key_numpad_enter;
    case WXK_CLEAR: return key_clear;
    default: break;
    }
    if (code >= WXK_F1 && code <= WXK_F12)
        return key_f1 + (code - WXK_F1);
    return -1;
}

}  // namespace

xirr_key_press xirr_line_edit::translate_key(const wxKeyEvent &event)
{
    xirr_key_press key;
    int code = event.GetKeyCode();
    int special = translate_special(code);
    if (special >= 0)
        key.code = special;
    else if (code >= 32 && code <= 126)
        key.code = code;
    else
        key.code = key_other_base + code;
    key.control = event.RawControlDown();
    key.shift = event.ShiftDown();
    key.alt = event.AltDown();
    key.meta = event.MetaDown();
    return key;
}

void xirr_line_edit::on_key_down(wxKeyEvent &event)
{
    if (model_.key_press(translate_key(event), *this))
        event.Skip();
}

void xirr_line_edit::on_key_up(wxKeyEvent &event)
{
    model_.key_release(translate_key(event).code);
    event.Skip();
}

void xirr_line_edit::on_wheel(wxMouseEvent &event)
{
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
        event.Skip();
        return;
    }
    model_.wheel(event.GetWheelRotation(), event.GetWheelDelta());
}

void xirr_line_edit::on_kill_focus(wxFocusEvent &event)
{
    model_.focus_lost();
    event.Skip();
}

void xirr_line_edit::pasteEvent(wxClipboardTextEvent &event)
{
    if (debug_level > 1)
        debug_log("xirr_line_edit::pasteEvent()\n");
    manual_clipboard_paste();
}
