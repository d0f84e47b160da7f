#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/skiff_config.h"
#include "tests/common/log_tail.h"

namespace {

struct recording_listener : config_listener {
    std::vector<std::pair<char_option, int>> changes;
    std::vector<int> audio_checks;
    int option_syncs = 0;
    int starts = 0;
    int stops = 0;
    bool audio_works = true;

    void option_changed(char_option option, int value) override { changes.push_back({option, value}); }
    void option_views_sync() override { ++option_syncs; }
    bool start_audio_output() override { ++starts; return audio_works; }
    void stop_audio_output() override { ++stops; }
    void system_audio_changed(int enable) override { audio_checks.push_back(enable); }
};

struct config_fixture : testing::Test {
    SkiffConfig config;
    recording_listener listener;

    void SetUp() override
    {
        config.listener = &listener;
        config.setup_default_config(nullptr);
        config.take_status_report_request();
    }
};

}  // namespace

TEST(skiff_config, without_a_current_record_getters_give_0_and_setters_do_nothing)
{
    SkiffConfig config;
    recording_listener listener;
    config.listener = &listener;
    config.set_current_layout(1);
    config.set_keypad_walking(0);
    EXPECT_EQ(config.get_current_layout(), 0);
    EXPECT_EQ(config.get_input_height(), 0);
    EXPECT_TRUE(listener.changes.empty());
    EXPECT_FALSE(config.status_report_requested());
    config.reset_char_config();
    EXPECT_EQ(listener.option_syncs, 0);
}

TEST_F(config_fixture, default_record_holds_every_default)
{
    struct { char_option option; int value; } cases[] = {
        {char_option::keypad_walking, 1},       {char_option::compact_mode, 0},
        {char_option::direction_button_enable, 0}, {char_option::enemy_hp_display, 1},
        {char_option::group_status_display, 1}, {char_option::current_layout, 2},
        {char_option::current_theme, 1},        {char_option::current_background_theme, 2},
        {char_option::theme_bg_setting, 3},     {char_option::automap_size, 11},
        {char_option::input_height, 48},        {char_option::channel_window_height, 25},
        {char_option::channel_window_enable, 0}, {char_option::colorflash_enable, 1},
    };
    for (auto &c : cases)
        EXPECT_EQ(config.get_option(c.option), c.value) << option_info(c.option).key;
    ASSERT_NE(config.current_char_cfg, nullptr);
    EXPECT_TRUE(config.current_char_cfg->name.empty());
    EXPECT_EQ(config.char_configs().size(), 1u);
}

TEST_F(config_fixture, setter_effects_follow_the_setter_kind)
{
    // option, value to set, listener told, status requested
    struct { char_option option; int value; bool told; bool status; } cases[] = {
        {char_option::keypad_walking, 1, true, false},           // same value still checks
        {char_option::keypad_walking, 0, true, false},
        {char_option::cmd_separator, 1, true, true},             // same value still reports
        {char_option::automap_size, 15, true, false},
        {char_option::font_colors_setting, 2, true, true},
        {char_option::direction_button_enable, 0, false, false}, // same value: nothing at all
        {char_option::direction_button_enable, 1, true, true},
        {char_option::current_layout, 2, false, false},
        {char_option::current_layout, 0, true, true},
        {char_option::mw_scrollbar_enable, 1, false, false},
        {char_option::mw_scrollbar_enable, 0, true, false},
    };
    for (auto &c : cases) {
        listener.changes.clear();
        config.set_option(c.option, c.value);
        EXPECT_EQ(config.get_option(c.option), c.value) << option_info(c.option).key;
        EXPECT_EQ(!listener.changes.empty(), c.told) << option_info(c.option).key;
        EXPECT_EQ(config.take_status_report_request(), c.status) << option_info(c.option).key;
    }
    EXPECT_FALSE(config.status_report_requested());
}

TEST(char_config, load_checks_force_values_into_range)
{
    struct { char_option option; int loaded; int expected; } cases[] = {
        {char_option::current_layout, 7, 2},        {char_option::current_layout, -4, 0},
        {char_option::group_status_display, 5, 0},  {char_option::group_status_display, 2, 2},
        {char_option::input_height, 10, 48},        {char_option::input_height, 800, 800},
        {char_option::theme_bg_setting, 6, 3},      {char_option::font_colors_setting, -1, 0},
        {char_option::automap_size, 401, 11},       {char_option::channel_window_height, 9, 25},
        {char_option::keypad_walking, 2, 0},        {char_option::status_bar, 3, 1},
        {char_option::current_theme, 77, 77},       {char_option::current_background_theme, -5, -5},
    };
    for (auto &c : cases)
        EXPECT_EQ(apply_load_check(c.option, c.loaded), c.expected) << option_info(c.option).key;

    char_config record;
    record.font_size = 1;
    record.button_font_size = 1;  // not checked
    record.apply_load_checks();
    EXPECT_EQ(record.font_size, 10);
    EXPECT_EQ(record.button_font_size, 1);
}

TEST(char_config, keys_are_found_ignoring_case)
{
    char_option option = char_option::keypad_walking;
    ASSERT_NE(find_option_info("Colorflash_Enable", &option), nullptr);
    EXPECT_EQ(option, char_option::colorflash_enable);
    EXPECT_EQ(find_option_info("use_new_layout", &option), nullptr);
    EXPECT_EQ(find_option_info(nullptr, &option), nullptr);
}

TEST_F(config_fixture, system_audio_switch)
{
    config.SetSystemAudio(1);  // already on
    EXPECT_FALSE(config.status_report_requested());
    EXPECT_TRUE(listener.audio_checks.empty());

    config.SetSystemAudio(0);
    EXPECT_EQ(listener.stops, 1);
    EXPECT_TRUE(config.take_status_report_request());

    listener.audio_works = false;
    listener.audio_checks.clear();
    config.SetSystemAudio(1);
    EXPECT_EQ(config.system_audio_enable(), 0);
    EXPECT_EQ(listener.starts, 1);
    ASSERT_FALSE(listener.audio_checks.empty());
    EXPECT_EQ(listener.audio_checks.back(), 0);  // menu item left unchecked
}

TEST(skiff_config, uuid_rules)
{
    SkiffConfig config;
    config.create_default_uuid();
    std::string uuid = config.uuid();
    ASSERT_EQ(uuid.size(), 32u);
    EXPECT_EQ(uuid.substr(0, 4), "DFLT");
    EXPECT_EQ(uuid.find_first_not_of("0123456789abcdef", 4), std::string::npos);

    std::string forty(40, 'u');
    config.load_uuid(forty.c_str());
    EXPECT_EQ(std::string(config.uuid()), forty.substr(0, 32));

    {
        log_tail log;
        config.set_uuid(forty.c_str());
        EXPECT_TRUE(log.contains("Error in safe_strcpy(), src overflow, string was '" + forty + "'.\n"));
    }
    EXPECT_EQ(std::string(config.uuid()), forty.substr(0, 33));
    EXPECT_GT(config.uuid_create_time, 0);
    EXPECT_EQ(config.last_voting_time, config.uuid_create_time);
    EXPECT_EQ(config.last_voting_reminder_time, config.uuid_create_time);

    config.set_uuid("");
    EXPECT_EQ(std::string(config.uuid()).substr(0, 4), "DFLT");
}

TEST_F(config_fixture, first_login_names_the_blank_record_and_second_copies_it)
{
    config.set_direction_button_enable(1);
    char_config *first = config.create_new_config("Alda", config.current_char_cfg);
    EXPECT_EQ(first, config.current_char_cfg);
    EXPECT_EQ(first->name, "Alda");
    EXPECT_EQ(first->get(char_option::direction_button_enable), 1);

    config.current_char_cfg = first;
    char_config *second = config.create_new_config("Brun", first);
    ASSERT_NE(second, first);
    EXPECT_EQ(second->name, "Brun");
    EXPECT_EQ(second->get(char_option::direction_button_enable), 1);
    EXPECT_EQ(first->name, "Alda");
    EXPECT_EQ(config.char_configs().size(), 2u);
    EXPECT_EQ(config.find("Brun"), second);
    EXPECT_EQ(config.find("brun"), nullptr);

    char_config *fresh = config.create_new_config("Cael", nullptr);
    EXPECT_TRUE(fresh->name.empty());

    char_config replacement = *second;
    replacement.put(char_option::automap_size, 7);
    EXPECT_EQ(config.add(replacement), second);
    EXPECT_EQ(second->get(char_option::automap_size), 7);
}

TEST_F(config_fixture, reset_restores_options_and_keeps_name_fonts_and_popups)
{
    config.current_char_cfg->name = "Alda";
    config.record_main_font("Monospace 12", 12);
    popup_window_position where;
    where.set_name("score");
    where.x = 300;
    config.set_popup_position(where);
    config.set_local_echo(0);
    config.set_current_layout(0);
    listener.changes.clear();

    config.reset_char_config();
    EXPECT_EQ(config.get_local_echo(), 1);
    EXPECT_EQ(config.get_current_layout(), 2);
    EXPECT_EQ(config.current_char_cfg->name, "Alda");
    EXPECT_EQ(config.current_char_cfg->font, "Monospace 12");
    EXPECT_EQ(config.get_popup_position("score").x, 300);
    EXPECT_EQ(listener.changes.size(), 8u);  // the eight re-applied setters
    EXPECT_EQ(listener.option_syncs, 1);
    EXPECT_TRUE(config.status_report_requested());
}

TEST_F(config_fixture, popup_positions)
{
    popup_window_position none = config.get_popup_position("who");
    EXPECT_STREQ(none.name, "who");
    EXPECT_EQ(none.x, 48);
    EXPECT_EQ(none.y, 48);
    EXPECT_EQ(none.width, 0);

    popup_window_position a = none, b;
    b.set_name("map");
    a.width = 200;
    config.set_popup_position(a);
    config.set_popup_position(b);
    auto &list = config.current_char_cfg->popup_windows;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_STREQ(list[0].name, "map");  // new entries go to the front
    a.width = 250;
    config.set_popup_position(a);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(config.get_popup_position("who").width, 250);

    std::string long_name(150, 'p');
    popup_window_position cut;
    cut.set_name(long_name.c_str());
    EXPECT_EQ(strlen(cut.name), 99u);
}

// A reader fills a record with the popup entries of a file A then B put to
// the front each (B, A); the stored record holds them as A, B, the file's
// order, whether it is new or replaces one of the same name.
TEST_F(config_fixture, stored_copy_gives_back_the_order_popups_were_read_in)
{
    char_config read;
    read.name = "Alda";
    for (const char *name : {"A", "B"}) {
        popup_window_position p;
        p.set_name(name);
        read.popup_windows.insert(read.popup_windows.begin(), p);
    }
    for (int round = 0; round < 2; ++round) {
        char_config *stored = config.add(read);
        ASSERT_EQ(stored->popup_windows.size(), 2u);
        EXPECT_STREQ(stored->popup_windows[0].name, "A") << round;
        EXPECT_STREQ(stored->popup_windows[1].name, "B") << round;
    }
    EXPECT_STREQ(read.popup_windows[0].name, "B");  // the reader's record is untouched
}
