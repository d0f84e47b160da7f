#include "support/string_hash.h"

#include <cstring>

static uint32_t hash_step(uint32_t h, unsigned char c)
{
    h += c;
    h *= 1025u;
    return h ^ (h >> 6);
}

uint32_t xirr_string_hash(const char *text)
{
    if (!text)
        text = "";
    uint32_t h = 1564184925u;
    uint32_t length = static_cast<uint32_t>(std::strlen(text));
    for (uint32_t i = 0; i < length; i++)
        h = hash_step(h, static_cast<unsigned char>(text[i]));
    for (int shift = 0; shift < 32; shift += 8)
        h = hash_step(h, static_cast<unsigned char>(length >> shift));
    h *= 9u;
    h ^= h >> 11;
    return h * 32769u;
}
