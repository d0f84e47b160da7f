#ifndef SKIFF_PROTOCOL_XIRR_TAG_DISPATCH_H
#define SKIFF_PROTOCOL_XIRR_TAG_DISPATCH_H

// The dispatch of the server's tagged records to the parts of the client
// that own them, and the records the main frame handles itself (login,
// directions, events, output diversion).  Main thread only.

// The rows of the dispatch table, in the order they are tried.
enum class tag_kind {
    login,
    map,
    walkfail,
    dirs,
    areaname,
    combat,
    ncombat,
    uuid,
    enemyhp,
    group,
    xpp,
    event,
    hp,
    sound,
    bclear,
    window_create,
    append,
    unappend,
    chdiv,
    chudiv,
    divert,
    undivert,
    config,
    skystate,
    icons,
    votemenu,     // any name starting with "votemenu"
    fkey_button,  // "bf" + N, N > 0
    hint_button,  // "b" + N, N > 0
    none,         // no handler
};

// The first row a tag name matches (names are case-sensitive).  For the
// numbered rows *number gets N; it is left alone otherwise.
tag_kind classify_tag(const char *name, int *number);

// The exit mask of a "dirs" record's second word: ((c1 - 'A') << 5) |
// (c2 - 'A'), each character limited to its five bits, a missing second
// character counting as 'A'; 0 for an empty word.
int exit_mask_from_word(const char *word);

// What the records do to the client.  The main frame implements it.  The
// operations of records whose owner is not part of the client yet return
// false, and the record then ends in the "no handler" warning.
class xirr_tag_host {
public:
    virtual ~xirr_tag_host() = default;

    // --- login ---------------------------------------------------------
    virtual void set_frame_title(const char *title) = 0;
    // Loads or creates the named character configuration and applies it
    // (fonts included).
    virtual void select_character_config(const char *name) = 0;
    virtual void set_login_state(int state) = 0;
    virtual void note_login_time() = 0;
    virtual void select_history_set(int set) = 0;
    virtual void apply_automap_visibility() = 0;
    // The function-key bar's logged-in state; the status bar, sky display
    // and status display shown per the options.
    virtual void show_logged_in_panels() = 0;
    virtual void set_normal_input() = 0;
    virtual void relayout_frame(bool repaint) = 0;
    virtual void request_status_report() = 0;

    // --- dirs ----------------------------------------------------------
    virtual void set_direction_buttons(bool on) = 0;
    // To the direction buttons and the automap.
    virtual void set_exit_mask(int mask) = 0;

    // --- event ---------------------------------------------------------
    virtual bool colorflash_enabled() = 0;
    // The colour flash arguments, to the output target's text view.
    virtual void parse_colorflash(const char *arguments) = 0;
    // The ping's round trip becomes the status bar's ping value.
    virtual void show_ping_time() = 0;

    // --- output diversion ----------------------------------------------
    // Makes the named popup's display the output target; with clear, its
    // updates are suspended and its content cleared.  False when there is
    // no such popup.
    virtual bool divert_to_popup(const char *name, bool clear) = 0;
    // The output target back to the main output: "Sorry, no popup..." on it.
    virtual void report_missing_popup() = 0;
    // "undivert" (restore the scroll line) and "unappend" (scroll to end).
    virtual void undivert() = 0;
    virtual void unappend() = 0;

    // --- records owned elsewhere ------------------------------------------
    virtual bool divert_to_channel(const char *name) { return false; }
    virtual bool clear_divert_channel() { return false; }
    virtual bool clear_hints() { return false; }
    virtual bool setup_fkey_button(int n, const char *name, const char *payload) { return false; }
    virtual bool setup_hint_button(int n, const char *name, const char *payload) { return false; }
    virtual bool set_uuid(const char *payload) { return false; }
    virtual bool automap_record(tag_kind kind, const char *payload, int length) { return false; }
    virtual bool status_record(tag_kind kind, const char *payload, int length) { return false; }
    virtual bool group_record(const char *payload, int length) { return false; }
    // True also when the record is ignored because sound is off.
    virtual bool sound_record(const char *payload, int length) { return false; }
    virtual bool popup_record(const char *payload, int length) { return false; }
    virtual bool config_record(const char *payload) { return false; }
    virtual bool status_bar_record(tag_kind kind, const char *payload, int length) { return false; }
    virtual bool vote_menu_record(const char *entry, const char *payload) { return false; }
};

// process_tagged_data: one complete record.  A null name or payload counts
// as empty.
void dispatch_tagged_data(xirr_tag_host &host, const char *name, const char *payload, int length);

#endif
