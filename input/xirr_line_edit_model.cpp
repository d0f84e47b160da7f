#include "input/xirr_line_edit_model.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/frame_services.h"
#include "config/skiff_config.h"
#include "support/debug_log.h"

namespace {

bool whole_line_selected(xirr_line_access &line)
{
    long from = 0, to = 0;
    if (!line.line_selection(&from, &to))
        return false;
    long length = static_cast<long>(line.line_text().size());
    return from == 0 && to == length && length > 0;
}

char_option toggle_setting(xirr_input_toggle option)
{
    switch (option) {
    case xirr_input_toggle::group_status_display: return char_option::group_status_display;
    case xirr_input_toggle::enemy_hpbar_enable: return char_option::enemy_hpbar_enable;
    case xirr_input_toggle::exp_display: return char_option::exp_display;
    case xirr_input_toggle::fkey_button_display: return char_option::fkey_button_display;
    case xirr_input_toggle::popup_display: return char_option::popup_display;
    case xirr_input_toggle::mw_scrollbar_enable: return char_option::mw_scrollbar_enable;
    default: return char_option::hpbar_enable;
    }
}

int option(char_option which)
{
    return SkiffConfig::instance().get_option(which);
}

// Through the option's setter, which also updates its menu mark and panels.
void store_option(char_option which, int value)
{
    SkiffConfig::instance().set_option(which, value);
}

void flip(xirr_input_toggle toggle)
{
    char_option which = toggle_setting(toggle);
    store_option(which, option(which) ? 0 : 1);
}

// Steps a panel height by amount within [lowest, highest] and lays the frame
// out again; repaint asks for a repaint of the frame as well.
void change_height(xirr_input_host *host, char_option which, int amount, int lowest, int highest, bool repaint)
{
    store_option(which, std::max(lowest, std::min(highest, option(which) + amount)));
    if (host)
        host->relayout_frame(repaint);
}

}  // namespace

void xirr_line_edit_model::history_store(const std::string &text)
{
    // A password typed while input is hidden never reaches the history.
    if (hidden_input_)
        return;
    history_.history_store(text);
}

bool xirr_line_edit_model::logged_in()
{
    return host_ && host_->is_logged_in();
}

void xirr_line_edit_model::submit_line(xirr_line_access &line)
{
    std::string text = line.line_text().substr(0, max_line);
    if (logged_in() && option(char_option::cmd_pushthrough))
        line.select_whole_line();  // Enter again sends it again; typing replaces it
    else
        line.clear_line();
    if (!text.empty())
        history_store(text);
    if (the_frame_services)
        the_frame_services->process_command_line(text.c_str(), true);
    line.apply_input_style();
}

void xirr_line_edit_model::manual_clipboard_paste(xirr_line_access &line)
{
    if (debug_level > 1)
        debug_log("xirr_line_edit::manual_clipboard_paste()\n");
    std::vector<char> buffer(max_paste + 1, 0);
    if (!the_frame_services || !the_frame_services->get_clipboard_data(buffer.data(), max_paste + 1))
        buffer[0] = 0;
    buffer[max_paste] = 0;
    line.insert_text(buffer.data());
}

void xirr_line_edit_model::show_history()
{
    frame_services *frame = the_frame_services;
    if (!frame)
        return;
    frame->begin_message();
    frame->print("\nRecent Command History:");
    for (int i = 20; i >= 2; i--) {
        const std::string *command = history_.slot(i);
        if (!command)
            continue;
        char number[16];
        snprintf(number, sizeof number, "\n%2d - ", i - 1);
        frame->print(number);
        frame->print(command->c_str());
    }
    frame->print("\n");
    frame->refresh_main_output();
}

xirr_key_context xirr_line_edit_model::make_context(const xirr_key_press &key,
                                                    xirr_line_access &line)
{
    xirr_key_context context;
    // A press of the key pressed last, with no release of it in between,
    // is the toolkit's auto-repeat.
    context.repeat = key_held_ && key.code == last_key_code_;
    context.repeat_with_control = context.repeat && last_control_ == 1;
    key_held_ = true;
    last_key_code_ = key.code;
    last_control_ = key.control ? 1 : 0;

    context.keypad_walking = option(char_option::keypad_walking) != 0;
    context.cmd_pushthrough = option(char_option::cmd_pushthrough) != 0;
    context.logged_in = logged_in();
    context.whole_line_selected = whole_line_selected(line);
    return context;
}

bool xirr_line_edit_model::key_press(const xirr_key_press &key, xirr_line_access &line)
{
    xirr_key_context context = make_context(key, line);
    return perform(decide_key(key, context), line);
}

void xirr_line_edit_model::key_release(int code)
{
    // A release of an earlier key (typing with overlapping keys) does not end
    // the auto-repeat of the key still held.
    if (code == last_key_code_)
        key_held_ = false;
}

void xirr_line_edit_model::wheel(int rotation, int delta)
{
    if (rotation == 0)
        return;
    int64_t d = delta > 0 ? delta : 1;
    int64_t old_total = wheel_total_;
    wheel_total_ += rotation;
    int64_t steps = old_total / d - wheel_total_ / d;
    // Part of a notch scrolls nothing, as in the text view.
    if (steps == 0 || !host_)
        return;
    host_->lock_main_output();
    if (steps < 0)
        host_->scroll_main_output_up(3);
    else
        host_->scroll_main_output_down(3);
}

void xirr_line_edit_model::unlock_if_locked()
{
    if (host_ && !host_->main_output_following())
        host_->unlock_main_output();
}

void xirr_line_edit_model::unlock_channel_or_main()
{
    if (!host_)
        return;
    if (!host_->main_output_following())
        host_->unlock_main_output();
    else if (!host_->channel_window_following())
        host_->unlock_channel_window();
}

void xirr_line_edit_model::walk(const char *command)
{
    unlock_if_locked();
    if (the_frame_services)
        the_frame_services->process_command_line(command, true);
}

void xirr_line_edit_model::function_key(const char *command)
{
    if (the_frame_services)
        the_frame_services->process_command_line(command, false);
    if (host_)
        host_->unlock_main_output();
}

void xirr_line_edit_model::copy_or_break(xirr_line_access &line)
{
    long from = 0, to = 0;
    if (line.line_selection(&from, &to)) {
        long cursor = line.line_cursor();
        std::string text = line.line_text();
        std::string selected = text.substr(std::min<size_t>(from, text.size()), to - from);
        if (the_frame_services)
            the_frame_services->set_clipboard_data(selected.c_str());
        line.set_line_cursor(cursor);
        return;
    }
    line.clear_line();
    if (!host_)
        return;
    if (host_->main_output_has_selection())
        host_->clear_main_output_selection();
    else
        host_->send_break();
}

void xirr_line_edit_model::escape(xirr_line_access &line)
{
    if (host_ && (!host_->main_output_following() || !host_->channel_window_following())) {
        unlock_channel_or_main();
        return;
    }
    line.clear_line();
    if (host_) {
        host_->clear_main_output_selection();
        host_->clear_channel_window_selection();
    }
}

bool xirr_line_edit_model::perform(const xirr_key_decision &decision, xirr_line_access &line)
{
    switch (decision.action) {
    case xirr_key_action::type_normally:
        if (host_ && !host_->main_output_following() &&
            !option(char_option::locking_scrollback_enable))
            host_->unlock_main_output();
        return true;
    case xirr_key_action::to_toolkit: return true;
    case xirr_key_action::swallow: return false;
    case xirr_key_action::walk: walk(decision.text); return false;
    case xirr_key_action::cursor_to_start:
        line.select_whole_line();
        line.set_line_cursor(0);
        return false;
    case xirr_key_action::skip_sent_command:
        line.set_line_cursor(static_cast<long>(line.line_text().size()));
        history_up(line);
        history_up(line);
        return false;
    default: break;
    }
    return perform_control(decision, line);
}

bool xirr_line_edit_model::perform_control(const xirr_key_decision &decision,
                                           xirr_line_access &line)
{
    switch (decision.action) {
    case xirr_key_action::copy_or_break: copy_or_break(line); break;
    case xirr_key_action::clear_and_break:
        line.clear_line();
        if (host_)
            host_->send_break();
        break;
    case xirr_key_action::clear_and_abort:
        line.clear_line();
        if (host_)
            host_->send_abort();
        break;
    case xirr_key_action::clear_line: line.clear_line(); break;
    case xirr_key_action::paste: manual_clipboard_paste(line); break;
    case xirr_key_action::lock_output:
        if (host_)
            host_->lock_main_output();
        break;
    case xirr_key_action::unlock_output: unlock_channel_or_main(); break;
    case xirr_key_action::toggle_automap:
        if (host_)
            host_->toggle_automap();
        break;
    case xirr_key_action::toggle_option: flip(decision.option); break;
    case xirr_key_action::bigger_font:
        if (host_)
            host_->bigger_font();
        break;
    case xirr_key_action::smaller_font:
        if (host_)
            host_->smaller_font();
        break;
    case xirr_key_action::channel_height:
        change_height(host_, char_option::channel_window_height, decision.amount, 10, 80, false);
        break;
    case xirr_key_action::input_height:
        // 800 is the most a saved configuration keeps; beyond it a reload
        // would fall back to the default height.
        change_height(host_, char_option::input_height, decision.amount, 24, 800, true);
        break;
    case xirr_key_action::automap_smaller:
        if (host_)
            host_->decrease_automap_size();
        break;
    case xirr_key_action::automap_bigger:
        if (host_)
            host_->increase_automap_size();
        break;
    case xirr_key_action::quick_popup:
        if (logged_in())
            host_->toggle_quick_popup(decision.amount);
        break;
    default: return perform_keys(decision, line);
    }
    return false;
}

bool xirr_line_edit_model::perform_keys(const xirr_key_decision &decision, xirr_line_access &line)
{
    switch (decision.action) {
    case xirr_key_action::submit:
        unlock_if_locked();
        submit_line(line);
        break;
    case xirr_key_action::escape: escape(line); break;
    case xirr_key_action::history_up: history_up(line); break;
    case xirr_key_action::history_down: history_down(line); break;
    case xirr_key_action::page_up:
        if (host_) {
            host_->lock_main_output();
            host_->page_up_main_output();
        }
        break;
    case xirr_key_action::page_down:
        if (host_) {
            host_->lock_main_output();
            host_->page_down_main_output();
        }
        break;
    case xirr_key_action::function_key: function_key(decision.text); break;
    default: return true;
    }
    return false;
}
