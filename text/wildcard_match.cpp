#include "text/wildcard_match.h"

#include <cstring>

namespace {

void store_capture(wildcard_captures *captures, int index, const char *text, size_t length)
{
    if (!captures || index >= wildcard_captures::count)
        return;
    char *buffer = captures->buffer[index];
    int size = captures->size[index];
    if (!buffer || size < 1)
        return;
    if (length > static_cast<size_t>(size - 1))
        length = static_cast<size_t>(size - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = 0;
}

void clear_captures(wildcard_captures *captures)
{
    for (int i = 0; captures && i < wildcard_captures::count; i++)
        store_capture(captures, i, "", 0);
}

// The first place of piece (length n) in text at or after from, or null.
const char *find_piece(const char *from, const char *piece, size_t n)
{
    if (n == 0)
        return from;
    for (const char *p = std::strchr(from, piece[0]); p; p = std::strchr(p + 1, piece[0]))
        if (std::strncmp(p, piece, n) == 0)
            return p;
    return nullptr;
}

} // namespace

bool wildcard_match(const char *pattern, const char *line, wildcard_captures *captures)
{
    clear_captures(captures);
    if (!pattern || !line)
        return false;
    const char *star = std::strchr(pattern, '*');
    if (!star)
        return std::strcmp(pattern, line) == 0;
    size_t head = static_cast<size_t>(star - pattern);
    if (std::strncmp(pattern, line, head) != 0)
        return false;
    const char *at = line + head;
    size_t line_length = std::strlen(line);
    for (int wildcard = 0; star; wildcard++) {
        const char *piece = star + 1;
        star = std::strchr(piece, '*');
        if (!star) {
            // The last piece is anchored at the end of the line, after
            // everything matched so far.
            size_t n = std::strlen(piece);
            size_t left = line_length - static_cast<size_t>(at - line);
            if (n > left || std::strcmp(line + line_length - n, piece) != 0)
                return false;
            store_capture(captures, wildcard, at, left - n);
            return true;
        }
        size_t n = static_cast<size_t>(star - piece);
        const char *found = find_piece(at, piece, n);
        if (!found)
            return false;
        store_capture(captures, wildcard, at, static_cast<size_t>(found - at));
        at = found + n;
    }
    return true;
}
