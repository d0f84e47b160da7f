#include "protocol/xirr_tag_dispatch.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "support/debug_log.h"
#include "support/words.h"

namespace {

struct named_tag {
    const char *name;
    tag_kind kind;
};

// The rows matched by the whole name, in table order.
const named_tag exact_tags[] = {
    {"login", tag_kind::login},
    {"map", tag_kind::map},
    {"walkfail", tag_kind::walkfail},
    {"dirs", tag_kind::dirs},
    {"areaname", tag_kind::areaname},
    {"combat", tag_kind::combat},
    {"ncombat", tag_kind::ncombat},
    {"uuid", tag_kind::uuid},
    {"enemyhp", tag_kind::enemyhp},
    {"group", tag_kind::group},
    {"xpp", tag_kind::xpp},
    {"event", tag_kind::event},
    {"hp", tag_kind::hp},
    {"sound", tag_kind::sound},
    {"bclear", tag_kind::bclear},
    {"window_create", tag_kind::window_create},
    {"append", tag_kind::append},
    {"unappend", tag_kind::unappend},
    {"chdiv", tag_kind::chdiv},
    {"chudiv", tag_kind::chudiv},
    {"divert", tag_kind::divert},
    {"undivert", tag_kind::undivert},
    {"config", tag_kind::config},
    {"skystate", tag_kind::skystate},
    {"icons", tag_kind::icons},
};

// The decimal number a button tag carries, read like atoi but without
// overflow (values past INT_MAX stay INT_MAX).
int button_number(const char *digits)
{
    long value = std::strtol(digits, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    return value < 0 ? 0 : static_cast<int>(value);
}

void warn_no_handler(const char *name)
{
    if (debug_level > 1)
        debug_log("Warning in xirr_mw::process_tagged_data(), no handler for tag '%s'.\n", name);
}

void process_login(xirr_tag_host &host, const char *payload)
{
    if (payload[0]) {
        std::string name(payload, std::strcspn(payload, "\n"));
        host.set_frame_title(("Veymoor - Player " + name).c_str());
        host.select_character_config(name.c_str());
    }
    host.note_login_time();
    host.set_login_state(2);
    host.select_history_set(2);
    host.apply_automap_visibility();
    host.show_logged_in_panels();
    host.set_normal_input();
    host.relayout_frame(true);
    host.request_status_report();
}

void process_dirs(xirr_tag_host &host, const char *payload)
{
    if (word_equals(payload, "on"))
        host.set_direction_buttons(true);
    else if (word_equals(payload, "off"))
        host.set_direction_buttons(false);
    else if (debug_level > 1)
        debug_log("Warning in xirr_mw::process_tagged_data(), bad dirs string '%s'.\n", payload);
    const char *second = next_arg(payload);
    if (second && *second)
        host.set_exit_mask(exit_mask_from_word(second));
}

void process_event(xirr_tag_host &host, const char *payload)
{
    if (word_equals(payload, "colorflash")) {
        if (host.colorflash_enabled()) {
            const char *rest = next_arg(payload);
            host.parse_colorflash(rest ? rest : "");
        }
    } else if (std::strcmp(payload, "skpong") == 0) {
        host.show_ping_time();
    } else if (std::strcmp(payload, "newcreate") == 0) {
        host.set_login_state(1);
    } else if (std::strcmp(payload, "logoff") == 0) {
        host.set_login_state(3);
    } else if (debug_level > 1) {
        debug_log("Warning in xirr_mw::process_tagged_data(), got unhandled event '%s'.\n", payload);
    }
}

void process_divert(xirr_tag_host &host, const char *payload, bool clear)
{
    if (!host.divert_to_popup(payload, clear))
        host.report_missing_popup();
}

// The records whose handling belongs to another part of the client; false
// when that part is not there to take it.
bool dispatch_to_owner(xirr_tag_host &host, tag_kind kind, int number, const char *name,
                       const char *payload, int length)
{
    switch (kind) {
    case tag_kind::map:
    case tag_kind::walkfail:
    case tag_kind::areaname:
    case tag_kind::combat:
        return host.automap_record(kind, payload, length);
    case tag_kind::ncombat: {
        // Leaving combat also clears the enemy's health bar.
        bool automap = host.automap_record(kind, payload, length);
        bool status = host.status_record(tag_kind::enemyhp, "", 0);
        return automap || status;
    }
    case tag_kind::uuid:
        return host.set_uuid(payload);
    case tag_kind::enemyhp:
    case tag_kind::xpp:
    case tag_kind::hp:
        return host.status_record(kind, payload, length);
    case tag_kind::group:
        return host.group_record(payload, length);
    case tag_kind::sound:
        return host.sound_record(payload, length);
    case tag_kind::bclear:
        return host.clear_hints();
    case tag_kind::window_create:
        return host.popup_record(payload, length);
    case tag_kind::chdiv:
        return host.divert_to_channel(payload);
    case tag_kind::chudiv:
        return host.clear_divert_channel();
    case tag_kind::config:
        return host.config_record(payload);
    case tag_kind::skystate:
    case tag_kind::icons:
        return host.status_bar_record(kind, payload, length);
    case tag_kind::votemenu:
        return host.vote_menu_record(name + 8, payload);
    case tag_kind::fkey_button:
        return host.setup_fkey_button(number, name, payload);
    case tag_kind::hint_button:
        return host.setup_hint_button(number, name, payload);
    default:
        return false;
    }
}

}  // namespace

tag_kind classify_tag(const char *name, int *number)
{
    for (const named_tag &t : exact_tags)
        if (std::strcmp(name, t.name) == 0)
            return t.kind;
    if (std::strncmp(name, "votemenu", 8) == 0)
        return tag_kind::votemenu;
    if (name[0] == 'b' && name[1] == 'f' && button_number(name + 2) > 0) {
        *number = button_number(name + 2);
        return tag_kind::fkey_button;
    }
    if (name[0] == 'b' && button_number(name + 1) > 0) {
        *number = button_number(name + 1);
        return tag_kind::hint_button;
    }
    return tag_kind::none;
}

int exit_mask_from_word(const char *word)
{
    if (!word || !word[0] || is_word_end(word[0]))
        return 0;
    int high = (static_cast<unsigned char>(word[0]) - 'A') & 31;
    int low = is_word_end(word[1]) ? 0 : (static_cast<unsigned char>(word[1]) - 'A') & 31;
    return (high << 5) | low;
}

void dispatch_tagged_data(xirr_tag_host &host, const char *name, const char *payload, int length)
{
    if (!name)
        name = "";
    if (!payload) {
        payload = "";
        length = 0;
    }
    int number = 0;
    tag_kind kind = classify_tag(name, &number);
    switch (kind) {
    case tag_kind::login:
        process_login(host, payload);
        return;
    case tag_kind::dirs:
        process_dirs(host, payload);
        return;
    case tag_kind::event:
        process_event(host, payload);
        return;
    case tag_kind::divert:
        process_divert(host, payload, true);
        return;
    case tag_kind::append:
        process_divert(host, payload, false);
        return;
    case tag_kind::undivert:
        host.undivert();
        return;
    case tag_kind::unappend:
        host.unappend();
        return;
    default:
        if (!dispatch_to_owner(host, kind, number, name, payload, length))
            warn_no_handler(name);
    }
}
