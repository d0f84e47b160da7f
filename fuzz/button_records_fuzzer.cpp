// The hint-button ("b" N) and function-key ("bf" N) record decoders, with
// a tag name and a payload as the tagged-stream parser hands them on (name
// at most 63 bytes, payload without ';' or CR, up to 14999 bytes).
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "input/button_records.h"

namespace {

std::vector<char> c_string(std::string s, size_t limit)
{
    s.resize(std::strlen(s.c_str()));
    if (s.size() > limit)
        s.resize(limit);
    return std::vector<char>(s.c_str(), s.c_str() + s.size() + 1);
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
    std::vector<char> tag = c_string(fdp.ConsumeRandomLengthString(80), 63);
    std::vector<char> payload = c_string(fdp.ConsumeRemainingBytesAsString(), 14999);

    // Read as the C library reads a decimal, saturating at the int range.
    long long expected = std::strtoll(tag.data(), nullptr, 10);
    expected = expected > INT_MAX ? INT_MAX : expected < INT_MIN ? INT_MIN : expected;
    FUZZ_CHECK(tag_number(tag.data()) == expected && tag_number(nullptr) == 0);

    static hint_record hint;  // 12 kB each: kept off the stack
    static fkey_record fkey;
    if (parse_hint_record(tag.data(), payload.data(), hint)) {
        FUZZ_CHECK(hint.apply && hint.number >= 1 && hint.number <= 12);
        FUZZ_CHECK(!std::strchr(hint.label.c_str(), '\n'));
        FUZZ_CHECK(hint.label.length() == static_cast<int>(std::strlen(hint.label.c_str())));
    }
    if (parse_fkey_record(tag.data(), payload.data(), fkey)) {
        FUZZ_CHECK(fkey.number >= 1 && fkey.number <= 8);
        FUZZ_CHECK(!std::strchr(fkey.caption.c_str(), '\n'));
        FUZZ_CHECK(fkey.has_caption == !fkey.caption.empty());
    }
    parse_hint_record(tag.data(), nullptr, hint);
    parse_fkey_record(tag.data(), nullptr, fkey);
    FUZZ_CHECK(!parse_hint_record(nullptr, payload.data(), hint));
    FUZZ_CHECK(!parse_fkey_record(nullptr, payload.data(), fkey));
    return 0;
}
