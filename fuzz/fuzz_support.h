#ifndef SKIFF_FUZZ_FUZZ_SUPPORT_H
#define SKIFF_FUZZ_FUZZ_SUPPORT_H

#include <cstdio>
#include <cstdlib>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "support/debug_log.h"

// Every message is still formatted (a bad format argument is a finding) but
// goes to /dev/null: no debug file in /tmp, no flood on the terminal.
// libFuzzer reports on standard error, which stays as it is.
inline void fuzz_quiet_log()
{
    debug_level = 3;
    debug_to_stdout = true;
    debug_file_disabled = true;
    if (!std::freopen("/dev/null", "w", stdout))
        debug_to_stdout = false;
}

// A broken invariant of the code under test: abort so libFuzzer keeps the
// input.
#define FUZZ_CHECK(cond)                                                                   \
    do {                                                                                   \
        if (!(cond)) {                                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

#endif
