// The trigger pattern matcher: a pattern and a line (split at the first
// zero byte), with capture buffers of sizes the input picks.  A match must
// be reproducible from its captures when they are all big enough.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "text/wildcard_match.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_quiet_log();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    int sizes[wildcard_captures::count];
    for (int &s : sizes)
        s = fdp.ConsumeIntegralInRange<int>(-1, 64);
    std::string pattern = fdp.ConsumeRandomLengthString(1024);
    std::string line = fdp.ConsumeRemainingBytesAsString();
    // The matcher sees C strings.
    pattern.resize(std::strlen(pattern.c_str()));
    line.resize(std::strlen(line.c_str()));

    // Exact-size buffers with a guard byte after each used size.
    std::vector<std::vector<char>> buffers;
    wildcard_captures captures;
    for (int i = 0; i < wildcard_captures::count; i++) {
        buffers.emplace_back(sizes[i] > 0 ? sizes[i] : 1, 'x');
        captures.buffer[i] = sizes[i] >= 0 ? buffers[i].data() : nullptr;
        captures.size[i] = sizes[i];
    }
    bool matched = wildcard_match(pattern.c_str(), line.c_str(), &captures);
    for (int i = 0; i < wildcard_captures::count; i++)
        if (captures.buffer[i] && captures.size[i] >= 1)
            FUZZ_CHECK(std::memchr(captures.buffer[i], 0, captures.size[i]));
    FUZZ_CHECK(wildcard_match(pattern.c_str(), line.c_str()) == matched);
    FUZZ_CHECK(!wildcard_match(nullptr, line.c_str()) && !wildcard_match(pattern.c_str(), nullptr));

    // With four roomy buffers and at most four wildcards, putting the
    // captures back into the pattern gives the line again.
    size_t stars = 0;
    for (char c : pattern)
        stars += c == '*';
    if (!matched || stars > 4)
        return 0;
    std::vector<std::vector<char>> roomy(wildcard_captures::count, std::vector<char>(line.size() + 1));
    wildcard_captures all;
    for (int i = 0; i < wildcard_captures::count; i++) {
        all.buffer[i] = roomy[i].data();
        all.size[i] = static_cast<int>(roomy[i].size());
    }
    FUZZ_CHECK(wildcard_match(pattern.c_str(), line.c_str(), &all));
    std::string rebuilt;
    int wildcard = 0;
    for (char c : pattern)
        rebuilt += c == '*' ? std::string(all.buffer[wildcard++]) : std::string(1, c);
    FUZZ_CHECK(rebuilt == line);
    return 0;
}
