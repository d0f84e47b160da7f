#include "support/fixed_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

void fixed_text::append(const char *text)
{
    if (!text)
        text = "(null)";
    append(text, std::strlen(text));
}

void fixed_text::append(const char *text, size_t n)
{
    if (!text) {
        append("(null)");
        return;
    }
    size_t room = capacity - 1 - length_;
    const char *end = static_cast<const char *>(std::memchr(text, 0, n));
    if (end)
        n = end - text;
    if (n > room)
        n = room;
    std::memcpy(text_ + length_, text, n);
    length_ += static_cast<int>(n);
    text_[length_] = 0;
}

bool fixed_text::append_char(char c)
{
    if (length_ >= capacity - 1)
        return false;
    text_[length_++] = c;
    text_[length_] = 0;
    return true;
}

void fixed_text::appendf(const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    int room = capacity - length_;
    int n = std::vsnprintf(text_ + length_, room, format, ap);
    va_end(ap);
    if (n < 0) {
        text_[length_] = 0;
        return;
    }
    length_ += n < room ? n : room - 1;
}

void fixed_text::assign_line(const char *text)
{
    clear();
    if (!text) {
        append(text);
        return;
    }
    const char *lf = std::strchr(text, '\n');
    append(text, lf ? static_cast<size_t>(lf - text) : std::strlen(text));
}
