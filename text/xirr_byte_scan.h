#ifndef SKIFF_TEXT_XIRR_BYTE_SCAN_H
#define SKIFF_TEXT_XIRR_BYTE_SCAN_H

#include <cstddef>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The index of the first byte of text[0..n) outside printable ASCII
// (0x20-0x7E), or n when there is none.  Game text is nearly all printable,
// so this runs sixteen bytes at a time where it can.  Any thread.
inline size_t first_non_printable(const unsigned char *text, size_t n)
{
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i low = _mm_set1_epi8(0x20);
    const __m128i high = _mm_set1_epi8(0x7E);
    for (; i + 16 <= n; i += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + i));
        // Signed compares: bytes 0x80-0xFF count as below 0x20.
        __m128i bad = _mm_or_si128(_mm_cmplt_epi8(v, low), _mm_cmpgt_epi8(v, high));
        int mask = _mm_movemask_epi8(bad);
        if (mask)
            return i + __builtin_ctz(mask);
    }
#endif
    for (; i < n; i++)
        if (text[i] < 0x20 || text[i] > 0x7E)
            return i;
    return n;
}

#endif
