#ifndef SKIFF_CONFIG_SKIFF_CONFIG_H
#define SKIFF_CONFIG_SKIFF_CONFIG_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "config/char_config.h"
#include "config/config_listener.h"

// The configuration manager: the system values (uuid, audio switch, voting
// state and menu) and the list of character configurations with the one in
// use.  One process-wide instance (instance()); tests may build their own.
// Main thread only.
class SkiffConfig {
public:
    static const int uuid_capacity = 34;    // at most 33 characters
    static const int vote_menu_entries = 16;

    struct vote_menu_entry {
        std::string name;  // empty: the entry is not set
        std::string url;
    };

    SkiffConfig() = default;
    SkiffConfig(const SkiffConfig &) = delete;
    SkiffConfig &operator=(const SkiffConfig &) = delete;

    // Created on first use, never destroyed.
    static SkiffConfig &instance();

    // Null until start-up has set one up.
    config_listener *listener = nullptr;

    // --- status report -------------------------------------------------
    // Raised by setters of reported settings and by the login; the game
    // connection sends the status line on its next tick and clears it.
    void request_status_report() { status_report_requested_ = true; }
    bool status_report_requested() const { return status_report_requested_; }
    // True (and cleared) when a report was requested.
    bool take_status_report_request();

    // --- system values ------------------------------------------------
    int system_audio_enable() const { return system_audio_enable_; }
    // Switches sound on (nonzero) or off; an output that cannot start
    // leaves the switch off.
    void SetSystemAudio(int enable);

    const char *uuid() const { return uuid_; }
    // A fresh local uuid: "DFLT" and 28 random lower-case hex digits.
    void create_default_uuid();
    // The server's identifier, cut at 33 characters; stamps the uuid and
    // voting times with now.  An empty or null text makes a default uuid.
    void set_uuid(const char *text);
    // The stored uuid as a loaded file holds it: at most 32 characters.
    void load_uuid(const char *text);

    int32_t uuid_create_time = 0;
    int32_t last_voting_time = 0;
    int32_t last_voting_reminder_time = 0;
    int voting_reminders = 1;
    vote_menu_entry vote_menu[vote_menu_entries];

    // --- character configurations ---------------------------------------
    char_config *current_char_cfg = nullptr;
    const std::vector<std::unique_ptr<char_config>> &char_configs() const { return configs_; }

    // The fonts a default record starts with (the program's main and button
    // fonts); set by start-up once the fonts exist.
    void set_default_fonts(const char *font, int font_size, const char *button_font,
                           int button_font_size);
    // A record with every option at its default, null name, default fonts.
    char_config make_default_record() const;

    // Stores a copy; a record of the same name is replaced.  The copy holds
    // the popup window entries in reverse order (a reader collects them
    // newest first).  Returns the stored record.
    char_config *add(const char_config &config);
    // The record of that exact name (null counts as empty), or null.
    char_config *find(const char *name);
    // The record of that name from memory.
    char_config *get_or_load(const char *name);
    // Makes a record for a new character from the current one.
    char_config *create_new_config(const char *name, char_config *current);
    // Start-up choice of the current record.
    void setup_default_config(const char *name);
    // Every option of the current record back to its default.
    void reset_char_config();
    void record_main_font(const char *description, int size);
    void record_button_font(const char *description, int size);
    void sync_theme_views();
    void sync_option_views();

    popup_window_position get_popup_position(const char *name) const;
    void set_popup_position(const popup_window_position &position);

    // --- options of the current record ---------------------------------
    // 0 without a current record.
    int get_option(char_option option) const;
    // Ignored without a current record; effects as the option's setter kind.
    void set_option(char_option option, int value);

#define SKIFF_OPTION_ACCESSORS(key, def, load, lo, hi, fb, kind)            \
    int get_##key() const { return get_option(char_option::key); }          \
    void set_##key(int value) { set_option(char_option::key, value); }
    SKIFF_CHAR_OPTIONS(SKIFF_OPTION_ACCESSORS)
#undef SKIFF_OPTION_ACCESSORS

private:
    void copy_uuid(const char *text, int max_chars);

    std::vector<std::unique_ptr<char_config>> configs_;
    int system_audio_enable_ = 1;
    bool status_report_requested_ = false;
    char uuid_[uuid_capacity] = {0};
    std::string default_font_;
    int default_font_size_ = 8;
    std::string default_button_font_;
    int default_button_font_size_ = 8;
};

#endif
