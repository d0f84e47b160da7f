// URL finding in a display row: every byte of the row is tried as the
// clicked one; a span found must lie inside the row, hold the clicked byte,
// and itself look like a URL.
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "text/xirr_url_span.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_quiet_log();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    // An exact-size copy, so that ASan sees any read past the row.
    std::vector<char> row(data, data + size);
    const int n = static_cast<int>(size);
    const char *text = n ? row.data() : nullptr;
    looks_like_url(text, n);
    for (int offset = -1; offset <= n; offset++) {
        int start = -7, end = -7;
        if (!find_url_span(text, n, offset, &start, &end))
            continue;
        FUZZ_CHECK(0 <= start && start <= offset && offset <= end && end < n);
        FUZZ_CHECK(looks_like_url(text + start, end - start + 1));
    }
    return 0;
}
