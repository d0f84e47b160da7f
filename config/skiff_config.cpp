#include "config/skiff_config.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "support/debug_log.h"
#include "support/random.h"
#include "support/strings.h"

SkiffConfig &SkiffConfig::instance()
{
    static SkiffConfig *config = new SkiffConfig;
    return *config;
}

bool SkiffConfig::take_status_report_request()
{
    bool requested = status_report_requested_;
    status_report_requested_ = false;
    return requested;
}

void SkiffConfig::SetSystemAudio(int enable)
{
    if (enable == system_audio_enable_)
        return;
    system_audio_enable_ = enable;
    request_status_report();
    if (enable == 0) {
        if (listener)
            listener->stop_audio_output();
    } else if (listener && !listener->start_audio_output()) {
        if (debug_level > 0)
            debug_log("SkiffConfig::SetSystemAudio() - unable to start audio.  Disabling.\n");
        SetSystemAudio(0);
    }
    if (listener)
        listener->system_audio_changed(system_audio_enable_);
}

void SkiffConfig::copy_uuid(const char *text, int max_chars)
{
    size_t n = strnlen(text, max_chars);
    memcpy(uuid_, text, n);
    uuid_[n] = 0;
}

void SkiffConfig::create_default_uuid()
{
    static const char hex[] = "0123456789abcdef";
    char text[33];
    for (int i = 0; i < 32; ++i)
        text[i] = hex[random_raw() & 15];
    memcpy(text, "DFLT", 4);
    text[32] = 0;
    copy_uuid(text, 32);
    if (debug_level > 2)
        debug_log("create_default_uuid() - created default uuid '%s'.\n", uuid_);
}

void SkiffConfig::set_uuid(const char *text)
{
    if (!text || !text[0]) {
        if (debug_level > 0)
            debug_log("Error in set_uuid(), null string?\n");
        create_default_uuid();
        return;
    }
    // The bounded copy reports a text that had to be cut.
    safe_strcpy(uuid_, text, sizeof uuid_);
    int32_t now = static_cast<int32_t>(time(nullptr));
    uuid_create_time = now;
    last_voting_reminder_time = now;
    last_voting_time = now;
    if (debug_level > 2)
        debug_log("Changed uuid to '%s'.\n", uuid_);
}

void SkiffConfig::load_uuid(const char *text)
{
    copy_uuid(text ? text : "", 32);
}

void SkiffConfig::set_default_fonts(const char *font, int font_size, const char *button_font,
                                    int button_font_size)
{
    default_font_ = font ? font : "";
    default_font_size_ = font_size;
    default_button_font_ = button_font ? button_font : "";
    default_button_font_size_ = button_font_size;
}

char_config SkiffConfig::make_default_record() const
{
    char_config record;
    record.font = default_font_;
    record.font_size = default_font_size_;
    record.button_font = default_button_font_;
    record.button_font_size = default_button_font_size_;
    return record;
}

char_config *SkiffConfig::find(const char *name)
{
    if (!name)
        name = "";
    for (auto &record : configs_)
        if (record->name == name)
            return record.get();
    return nullptr;
}

// A reader puts each popup window entry it meets at the front of the
// record it fills, so that record holds them newest first; the stored copy
// takes them one by one to the front again, which gives back the order of
// the file, and a save writes them as they were read.
static char_config stored_copy(const char_config &config)
{
    char_config copy = config;
    std::reverse(copy.popup_windows.begin(), copy.popup_windows.end());
    return copy;
}

char_config *SkiffConfig::add(const char_config &config)
{
    char_config *existing = find(config.name.c_str());
    if (existing) {
        if (debug_level > 2)
            debug_log("SkiffConfig::add(), replacing config for %s.\n", config.name.c_str());
        *existing = stored_copy(config);
        return existing;
    }
    configs_.push_back(std::make_unique<char_config>(stored_copy(config)));
    return configs_.back().get();
}

char_config *SkiffConfig::get_or_load(const char *name)
{
    return find(name);
}

char_config *SkiffConfig::create_new_config(const char *name, char_config *current)
{
    if (!name)
        name = "";
    if (!current) {
        if (debug_level > 0)
            debug_log("Error in SkiffConfig::create_new_config(), NULL old config?  Creating new.\n");
        return add(make_default_record());
    }
    if (current->name.empty()) {
        if (debug_level > 2)
            debug_log("SkiffConfig::create_new_config() - attaching name '%s' to current blank config.\n",
                      name);
        current->name = name;
        return current;
    }
    if (debug_level > 2)
        debug_log("SkiffConfig::create_new_config() - making a copy of current config '%s' to create "
                  "config '%s'.\n",
                  current->name.c_str(), name);
    char_config copy = *current;
    copy.name = name;
    return add(copy);
}

void SkiffConfig::setup_default_config(const char *name)
{
    if (name && name[0]) {
        if (debug_level > 2)
            debug_log("SkiffConfig::setup_default_config() - trying to use previous config '%s'.\n",
                      name);
        current_char_cfg = get_or_load(name);
        if (current_char_cfg)
            return;
        if (debug_level > 2)
            debug_log("SkiffConfig::setup_default_config() - unable to load or find previous config, "
                      "using default.\n");
    } else if (debug_level > 2) {
        debug_log("SkiffConfig::setup_default_config() - no previous config specified, using "
                  "default.\n");
    }
    current_char_cfg = add(make_default_record());
}

void SkiffConfig::reset_char_config()
{
    if (!current_char_cfg)
        return;
    current_char_cfg->reset_options();
    static const char_option resynced[] = {
        char_option::cmd_pushthrough,           char_option::local_echo,
        char_option::cmd_separator,             char_option::keypad_walking,
        char_option::locking_scrollback_enable, char_option::url_hotlinking,
        char_option::channel_window_dupe,       char_option::colorflash_enable,
    };
    for (char_option option : resynced)
        set_option(option, current_char_cfg->get(option));
    sync_option_views();
}

void SkiffConfig::record_main_font(const char *description, int size)
{
    if (!current_char_cfg)
        return;
    current_char_cfg->font = description ? description : "";
    current_char_cfg->font_size = size;
}

void SkiffConfig::record_button_font(const char *description, int size)
{
    if (!current_char_cfg)
        return;
    current_char_cfg->button_font = description ? description : "";
    current_char_cfg->button_font_size = size;
}

void SkiffConfig::sync_theme_views()
{
    if (listener)
        listener->theme_views_sync();
    request_status_report();
}

void SkiffConfig::sync_option_views()
{
    if (listener)
        listener->option_views_sync();
    request_status_report();
}

popup_window_position SkiffConfig::get_popup_position(const char *name) const
{
    popup_window_position position;
    position.set_name(name);
    const popup_window_position *held =
        current_char_cfg ? current_char_cfg->find_popup(position.name) : nullptr;
    if (held)
        position = *held;
    return position;
}

void SkiffConfig::set_popup_position(const popup_window_position &position)
{
    if (!current_char_cfg)
        return;
    popup_window_position *held = current_char_cfg->find_popup(position.name);
    if (held) {
        *held = position;
        return;
    }
    auto &list = current_char_cfg->popup_windows;
    list.insert(list.begin(), position);
}

int SkiffConfig::get_option(char_option option) const
{
    return current_char_cfg ? current_char_cfg->get(option) : 0;
}

void SkiffConfig::set_option(char_option option, int value)
{
    if (!current_char_cfg)
        return;
    option_setter_kind kind = option_info(option).setter;
    bool changing_only = kind == option_setter_kind::changed || kind == option_setter_kind::changed_quiet;
    if (changing_only && current_char_cfg->get(option) == value)
        return;
    current_char_cfg->put(option, value);
    if (listener)
        listener->option_changed(option, value);
    if (kind == option_setter_kind::status || kind == option_setter_kind::changed)
        request_status_report();
}
