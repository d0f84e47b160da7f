#include "support/strings.h"

#include <cstdlib>
#include <cstring>

#include "support/debug_log.h"

char *safe_strcpy(char *dest, const char *src, size_t size)
{
    if (!dest || size == 0)
        return dest;
    if (!src) {
        dest[0] = 0;
        if (debug_level > 1)
            debug_log("Error in safe_strcpy(), null src?\n");
        return dest;
    }
    size_t len = std::strlen(src);
    if (len < size) {
        std::memcpy(dest, src, len + 1);
        return dest;
    }
    std::memcpy(dest, src, size - 1);
    dest[size - 1] = 0;
    if (debug_level > 1)
        debug_log("Error in safe_strcpy(), src overflow, string was '%s'.\n", src);
    return dest;
}

char *copy_string(const char *src)
{
    if (!src) {
        if (debug_level > 0)
            debug_log("Error in copy_string() 1, null src.\n");
        return nullptr;
    }
    return strdup(src);
}

char *copy_string(const char *src, size_t length)
{
    // length + 1 would wrap to 0 and the copy below would run off the end.
    if (length == static_cast<size_t>(-1))
        return nullptr;
    char *copy = static_cast<char *>(std::calloc(length + 1, 1));
    if (!copy)
        return nullptr;
    if (!src) {
        if (debug_level > 0)
            debug_log("Error in copy_string() 2, null src.\n");
        return copy;
    }
    std::strncpy(copy, src, length);
    return copy;
}

void replace_string(char **dest, const char *src)
{
    if (!dest) {
        if (debug_level > 0)
            debug_log("Error in replace_string(), null dest.\n");
        return;
    }
    std::free(*dest);
    *dest = nullptr;
    if (!src) {
        if (debug_level > 0)
            debug_log("Error in replace_string(), null src.\n");
        return;
    }
    *dest = strdup(src);
}

void free_string(char **text)
{
    if (!text)
        return;
    std::free(*text);
    *text = nullptr;
}

char *duplicate_string(const char *text)
{
    return text ? strdup(text) : nullptr;
}
