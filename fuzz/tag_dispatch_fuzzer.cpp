// The dispatch of tagged records, fed records with names and payloads the
// input picks, as the tagged-stream parser hands them on.  The host does
// nothing except what the main frame does with record text itself: the
// colour flash arguments go to a text view, the button records to their
// decoders.  Whether a popup or an owner takes a record is picked by the
// input too.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "input/button_records.h"
#include "protocol/xirr_tag_dispatch.h"
#include "text/xirr_textctrl_core.h"

namespace {

class fuzz_host : public xirr_tag_host {
public:
    explicit fuzz_host(FuzzedDataProvider &fdp) : fdp_(fdp) {}

    void set_frame_title(const char *title) override { FUZZ_CHECK(title); }
    void select_character_config(const char *name) override { FUZZ_CHECK(!std::strchr(name, '\n')); }
    void set_login_state(int state) override { FUZZ_CHECK(state >= 1 && state <= 3); }
    void note_login_time() override {}
    void select_history_set(int) override {}
    void apply_automap_visibility() override {}
    void show_logged_in_panels() override {}
    void set_normal_input() override {}
    void relayout_frame(bool) override {}
    void request_status_report() override {}
    void set_direction_buttons(bool) override {}
    void set_exit_mask(int mask) override { FUZZ_CHECK(mask >= 0 && mask < 1024); }
    bool colorflash_enabled() override { return answer(); }
    void parse_colorflash(const char *arguments) override
    {
        // Made on first use: a view costs a megabyte of row table.
        if (!view_)
            view_.reset(new xirr_textctrl_core);
        view_->parse_colorflash(arguments);
        for (int i = 0; i < 4; i++)
            view_->animate(20);
    }
    void show_ping_time() override {}
    bool divert_to_popup(const char *, bool) override { return answer(); }
    void report_missing_popup() override {}
    void undivert() override {}
    void unappend() override {}

    bool divert_to_channel(const char *) override { return answer(); }
    bool clear_divert_channel() override { return answer(); }
    bool clear_hints() override { return answer(); }
    bool setup_fkey_button(int n, const char *name, const char *payload) override
    {
        FUZZ_CHECK(n > 0);
        parse_fkey_record(name, payload, fkey_);
        return answer();
    }
    bool setup_hint_button(int n, const char *name, const char *payload) override
    {
        FUZZ_CHECK(n > 0);
        parse_hint_record(name, payload, hint_);
        return answer();
    }
    bool set_uuid(const char *) override { return answer(); }
    bool automap_record(tag_kind, const char *p, int n) override { return payload(p, n); }
    bool status_record(tag_kind, const char *p, int n) override { return payload(p, n); }
    bool group_record(const char *p, int n) override { return payload(p, n); }
    bool sound_record(const char *p, int n) override { return payload(p, n); }
    bool popup_record(const char *p, int n) override { return payload(p, n); }
    bool config_record(const char *) override { return answer(); }
    bool status_bar_record(tag_kind, const char *p, int n) override { return payload(p, n); }
    bool vote_menu_record(const char *entry, const char *) override { return answer(); }

private:
    bool answer() { return fdp_.ConsumeBool(); }
    // Owners read the whole payload by its length.
    bool payload(const char *p, int n)
    {
        FUZZ_CHECK(n >= 0 && p && p[n] == 0);
        unsigned sum = 0;
        for (int i = 0; i < n; i++)
            sum += static_cast<unsigned char>(p[i]);
        (void)sum;
        return answer();
    }

    FuzzedDataProvider &fdp_;
    std::unique_ptr<xirr_textctrl_core> view_;
    hint_record hint_;
    fkey_record fkey_;
};

// A name as the parser gives it: at most 63 bytes, ended by its first zero.
std::vector<char> record_name(FuzzedDataProvider &fdp)
{
    std::string s = fdp.ConsumeRandomLengthString(70);
    s.resize(std::strlen(s.c_str()));
    if (s.size() > 63)
        s.resize(63);
    return std::vector<char>(s.c_str(), s.c_str() + s.size() + 1);
}

// A payload as the parser gives it: no ';' or CR (zero bytes may occur),
// terminated, with its length.
std::vector<char> record_payload(FuzzedDataProvider &fdp)
{
    std::string s = fdp.ConsumeRandomLengthString(14999);
    std::vector<char> v;
    for (char c : s)
        if (c != ';' && c != '\r')
            v.push_back(c);
    v.push_back(0);
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_quiet_log();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    fuzz_host host(fdp);
    for (int records = 0; records < 64 && fdp.remaining_bytes() > 0; records++) {
        std::vector<char> name = record_name(fdp);
        std::vector<char> payload = record_payload(fdp);
        dispatch_tagged_data(host, name.data(), payload.data(), static_cast<int>(payload.size()) - 1);
        int number = -1;
        tag_kind kind = classify_tag(name.data(), &number);
        if (kind == tag_kind::fkey_button || kind == tag_kind::hint_button)
            FUZZ_CHECK(number > 0);
        exit_mask_from_word(payload.data());
    }
    dispatch_tagged_data(host, nullptr, nullptr, 5);
    return 0;
}
