#ifndef SKIFF_SUPPORT_STRING_HASH_H
#define SKIFF_SUPPORT_STRING_HASH_H

#include <cstdint>

// The support library's 32-bit text hash ("abc" -> 1257601186).  Stored in
// manifests, so it must never change.  Null hashes as the empty text.
uint32_t xirr_string_hash(const char *text);

#endif
