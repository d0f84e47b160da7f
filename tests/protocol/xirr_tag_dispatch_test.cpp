#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/xirr_tag_dispatch.h"
#include "tests/common/log_tail.h"

namespace {

// Records every operation the dispatcher asks for, one line each.  The
// owners of other records take them only when `owners` is set.
class recording_host : public xirr_tag_host {
public:
    std::vector<std::string> calls;
    bool owners = false;
    bool popup_exists = false;
    bool colorflash = true;

    void note(const std::string &s) { calls.push_back(s); }

    void set_frame_title(const char *t) override { note(std::string("title ") + t); }
    void select_character_config(const char *n) override { note(std::string("config ") + n); }
    void set_login_state(int s) override { note("login_state " + std::to_string(s)); }
    void note_login_time() override { note("login_time"); }
    void select_history_set(int s) override { note("history " + std::to_string(s)); }
    void apply_automap_visibility() override { note("automap_visibility"); }
    void show_logged_in_panels() override { note("logged_in_panels"); }
    void set_normal_input() override { note("normal_input"); }
    void relayout_frame(bool r) override { note(r ? "relayout repaint" : "relayout"); }
    void request_status_report() override { note("status_report"); }
    void set_direction_buttons(bool on) override { note(on ? "dirs on" : "dirs off"); }
    void set_exit_mask(int m) override { note("mask " + std::to_string(m)); }
    bool colorflash_enabled() override { return colorflash; }
    void parse_colorflash(const char *a) override { note(std::string("colorflash ") + a); }
    void show_ping_time() override { note("ping"); }
    bool divert_to_popup(const char *n, bool clear) override
    {
        note(std::string(clear ? "divert " : "append ") + n);
        return popup_exists;
    }
    void report_missing_popup() override { note("sorry"); }
    void undivert() override { note("undivert"); }
    void unappend() override { note("unappend"); }

    bool owner(const std::string &s)
    {
        note(s);
        return owners;
    }
    bool clear_hints() override { return owner("bclear"); }
    bool setup_fkey_button(int n, const char *name, const char *p) override
    {
        return owner("fkey " + std::to_string(n) + " " + name + " " + p);
    }
    bool setup_hint_button(int n, const char *name, const char *p) override
    {
        return owner("hint " + std::to_string(n) + " " + name + " " + p);
    }
    bool vote_menu_record(const char *entry, const char *p) override
    {
        return owner(std::string("vote ") + entry + " " + p);
    }
    bool automap_record(tag_kind, const char *p, int n) override { return owner("automap " + std::to_string(n)); }
    bool status_record(tag_kind, const char *p, int n) override { return owner(std::string("status '") + p + "'"); }
};

}  // namespace

TEST(tag_dispatch, table_rows_in_order)
{
    struct row {
        const char *name;
        tag_kind kind;
        int number;
    } rows[] = {
        {"login", tag_kind::login, 0},       {"map", tag_kind::map, 0},
        {"walkfail", tag_kind::walkfail, 0}, {"dirs", tag_kind::dirs, 0},
        {"areaname", tag_kind::areaname, 0}, {"combat", tag_kind::combat, 0},
        {"ncombat", tag_kind::ncombat, 0},   {"uuid", tag_kind::uuid, 0},
        {"enemyhp", tag_kind::enemyhp, 0},   {"group", tag_kind::group, 0},
        {"xpp", tag_kind::xpp, 0},           {"event", tag_kind::event, 0},
        {"hp", tag_kind::hp, 0},             {"sound", tag_kind::sound, 0},
        {"bclear", tag_kind::bclear, 0},     {"window_create", tag_kind::window_create, 0},
        {"append", tag_kind::append, 0},     {"unappend", tag_kind::unappend, 0},
        {"chdiv", tag_kind::chdiv, 0},       {"chudiv", tag_kind::chudiv, 0},
        {"divert", tag_kind::divert, 0},     {"undivert", tag_kind::undivert, 0},
        {"config", tag_kind::config, 0},     {"skystate", tag_kind::skystate, 0},
        {"icons", tag_kind::icons, 0},       {"votemenu", tag_kind::votemenu, 0},
        {"votemenu12", tag_kind::votemenu, 0},
        {"bf3", tag_kind::fkey_button, 3},   {"bf12", tag_kind::fkey_button, 12},
        {"b1", tag_kind::hint_button, 1},    {"b12", tag_kind::hint_button, 12},
        {"b7x", tag_kind::hint_button, 7},   {"b99999999999", tag_kind::hint_button, 2147483647},
        {"bf0", tag_kind::none, 0},          {"b0", tag_kind::none, 0},
        {"bf", tag_kind::none, 0},           {"b", tag_kind::none, 0},
        {"b-2", tag_kind::none, 0},          {"bar", tag_kind::none, 0},
        {"Login", tag_kind::none, 0},        {"HP", tag_kind::none, 0},
        {"logins", tag_kind::none, 0},       {"voteMenu", tag_kind::none, 0},
        {"", tag_kind::none, 0},
    };
    for (const row &r : rows) {
        int number = 0;
        EXPECT_EQ(classify_tag(r.name, &number), r.kind) << r.name;
        EXPECT_EQ(number, r.number) << r.name;
    }
}

TEST(tag_dispatch, exit_mask_takes_five_bits_from_each_letter)
{
    EXPECT_EQ(exit_mask_from_word("BC"), (1 << 5) | 2);
    EXPECT_EQ(exit_mask_from_word("AA"), 0);
    EXPECT_EQ(exit_mask_from_word("``"), 1023);
    EXPECT_EQ(exit_mask_from_word("Pe"), (15 << 5) | 36 % 32);
    EXPECT_EQ(exit_mask_from_word("B"), 1 << 5);
    EXPECT_EQ(exit_mask_from_word(""), 0);
    for (int c = 0; c < 256; c++) {
        char word[3] = {static_cast<char>(c ? c : 'A'), static_cast<char>(c ? c : 'A'), 0};
        int mask = exit_mask_from_word(word);
        EXPECT_GE(mask, 0) << c;
        EXPECT_LT(mask, 1024) << c;
    }
}

TEST(tag_dispatch, login_takes_the_first_line_and_runs_every_step)
{
    recording_host host;
    const char payload[] = "Vudedu\nmore text";
    dispatch_tagged_data(host, "login", payload, sizeof payload - 1);
    std::vector<std::string> want = {
        "title Veymoor - Player Vudedu", "config Vudedu", "login_time", "login_state 2",
        "history 2", "automap_visibility", "logged_in_panels", "normal_input",
        "relayout repaint", "status_report",
    };
    EXPECT_EQ(host.calls, want);

    recording_host empty;
    dispatch_tagged_data(empty, "login", "", 0);
    want.erase(want.begin(), want.begin() + 2);
    EXPECT_EQ(empty.calls, want) << "an empty login keeps title and configuration";
}

TEST(tag_dispatch, dirs_switches_the_pad_and_always_applies_the_mask)
{
    struct row {
        const char *payload;
        std::vector<std::string> calls;
        bool warns;
    } rows[] = {
        {"on BC", {"dirs on", "mask 34"}, false},
        {"OFF AA", {"dirs off", "mask 0"}, false},
        {"on", {"dirs on"}, false},
        {"sideways BC", {"mask 34"}, true},
        {"", {}, true},
    };
    for (const row &r : rows) {
        recording_host host;
        log_tail log;
        dispatch_tagged_data(host, "dirs", r.payload, 0);
        EXPECT_EQ(host.calls, r.calls) << r.payload;
        EXPECT_EQ(log.contains("Warning in xirr_mw::process_tagged_data(), bad dirs string '"), r.warns)
            << r.payload;
    }
}

TEST(tag_dispatch, events)
{
    struct row {
        const char *payload;
        bool colorflash_on;
        std::vector<std::string> calls;
        bool unhandled;
    } rows[] = {
        {"colorflash 255 0 0 3", true, {"colorflash 255 0 0 3"}, false},
        {"COLORFLASH 1 2", true, {"colorflash 1 2"}, false},
        {"colorflash", true, {"colorflash "}, false},
        {"colorflash 1 2", false, {}, false},
        {"skpong", true, {"ping"}, false},
        {"SKPONG", true, {}, true},
        {"newcreate", true, {"login_state 1"}, false},
        {"logoff", true, {"login_state 3"}, false},
        {"logoff now", true, {}, true},
        {"", true, {}, true},
    };
    for (const row &r : rows) {
        recording_host host;
        host.colorflash = r.colorflash_on;
        log_tail log;
        dispatch_tagged_data(host, "event", r.payload, 0);
        EXPECT_EQ(host.calls, r.calls) << r.payload;
        EXPECT_EQ(log.contains("got unhandled event '" + std::string(r.payload) + "'"), r.unhandled) << r.payload;
    }
}

TEST(tag_dispatch, diversion_reports_a_missing_popup)
{
    recording_host host;
    dispatch_tagged_data(host, "divert", "x", 1);
    dispatch_tagged_data(host, "append", "y", 1);
    host.popup_exists = true;
    dispatch_tagged_data(host, "divert", "z", 1);
    dispatch_tagged_data(host, "undivert", "", 0);
    dispatch_tagged_data(host, "unappend", "", 0);
    std::vector<std::string> want = {"divert x", "sorry", "append y", "sorry", "divert z", "undivert", "unappend"};
    EXPECT_EQ(host.calls, want);
}

TEST(tag_dispatch, records_without_an_owner_end_in_the_no_handler_warning)
{
    struct row {
        const char *name;
        const char *payload;
        std::vector<std::string> calls;
    } rows[] = {
        {"bclear", "", {"bclear"}},
        {"b12", "Look;look", {"hint 12 b12 Look;look"}},
        {"bf3", "x", {"fkey 3 bf3 x"}},
        {"votemenu4", "Vote here", {"vote 4 Vote here"}},
        {"combat", "", {"automap 0"}},
        {"ncombat", "", {"automap 0", "status ''"}},
        {"nosuchtag", "", {}},
        {"bf0", "", {}},
    };
    for (bool owners : {false, true}) {
        for (const row &r : rows) {
            recording_host host;
            host.owners = owners;
            log_tail log;
            dispatch_tagged_data(host, r.name, r.payload, 0);
            EXPECT_EQ(host.calls, r.calls) << r.name;
            bool warned =
                log.contains("Warning in xirr_mw::process_tagged_data(), no handler for tag '" + std::string(r.name) + "'.\n");
            EXPECT_EQ(warned, !owners || r.calls.empty()) << r.name << " owners " << owners;
        }
    }
    recording_host host;
    dispatch_tagged_data(host, nullptr, nullptr, 5);
    EXPECT_TRUE(host.calls.empty());
}
