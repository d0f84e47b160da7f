// The word functions and parse_int over two words of server or user text
// (split at the first zero byte), each given as an exact-size copy so that
// any read past the terminating zero is caught.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "support/numbers.h"
#include "support/words.h"

namespace {

std::vector<char> c_string(const std::string &s)
{
    std::vector<char> v(s.c_str(), s.c_str() + std::strlen(s.c_str()) + 1);
    return v;
}

void check_number(const char *text)
{
    int value = 12345;
    int ok = parse_int(text, &value);
    FUZZ_CHECK(ok == 0 || ok == 1);
    if (!ok) {
        FUZZ_CHECK(value == 12345);
        return;
    }
    long expected = std::strtol(text, nullptr, 10);
    if (expected > INT_MAX)
        expected = INT_MAX;
    if (expected < INT_MIN)
        expected = INT_MIN;
    FUZZ_CHECK(value == expected);
    FUZZ_CHECK(parse_int(text, nullptr) == 1);
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
    int minimum = fdp.ConsumeIntegralInRange<int>(-1, 500);
    std::vector<char> a = c_string(fdp.ConsumeRandomLengthString(1024));
    std::vector<char> b = c_string(fdp.ConsumeRemainingBytesAsString());
    const char *pa = a.data(), *pb = b.data();

    FUZZ_CHECK(word_equals(pa, pb) == word_equals(pb, pa));
    int n = starts_with_word(pa, pb);
    FUZZ_CHECK(n >= 0 && n < 400 && n <= static_cast<int>(a.size()) - 1);
    if (word_equals(pa, pb))
        FUZZ_CHECK(n == starts_with_word(pb, pa));
    int abbreviation = abbreviates(pa, pb, minimum);
    FUZZ_CHECK(abbreviation == 0 || abbreviation == n);
    int in_list = word_in_list(pa, pb);
    FUZZ_CHECK(in_list == 0 || in_list == 1);
    for (const char *p = next_arg(pb); p; p = next_arg(p)) {
        FUZZ_CHECK(p > pb && p < pb + b.size() - 1);
        FUZZ_CHECK(!is_word_end(*p));
        if (word_equals(pa, p))
            FUZZ_CHECK(in_list == 1);
    }
    FUZZ_CHECK(!word_equals(nullptr, pb) && !starts_with_word(pa, nullptr) && !word_in_list(nullptr, pb));
    check_number(pa);
    check_number(pb);
    return 0;
}
