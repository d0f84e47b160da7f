#include "text/xirr_url_span.h"

#include <cstring>

namespace {

bool is_url_byte(unsigned char c)
{
    if (c < 0x21 || c > 0x7E)
        return false;
    return !strchr("!\"'*<>`", c);
}

bool has_prefix(const char *text, int length, const char *prefix)
{
    int n = static_cast<int>(strlen(prefix));
    return length >= n && memcmp(text, prefix, n) == 0;
}

bool scheme_at(const char *text, int length)
{
    return has_prefix(text, length, "http://") || has_prefix(text, length, "https://") ||
           has_prefix(text, length, "ftp://");
}

bool is_lower(char c) { return c >= 'a' && c <= 'z'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// After the top-level domain: the end, a path, or a port and then the end
// or a path.
bool host_ending_at(const char *t, int n, int i)
{
    if (i == n || t[i] == '/')
        return true;
    if (t[i] != ':' || i + 1 >= n || t[i + 1] < '1' || t[i + 1] > '9')
        return false;
    i += 2;
    while (i < n && is_digit(t[i]))
        i++;
    return i == n || t[i] == '/';
}

// A full stop, two to four lowercase letters, then host_ending_at.
bool has_domain_ending(const char *t, int n)
{
    for (int i = 0; i + 2 < n; i++) {
        if (t[i] != '.' || !is_lower(t[i + 1]) || !is_lower(t[i + 2]))
            continue;
        for (int k = 3; k <= 5 && i + k <= n; k++) {
            if (k > 3 && !is_lower(t[i + k - 1]))
                break;
            if (host_ending_at(t, n, i + k))
                return true;
        }
    }
    return false;
}

int bracket_kind(char c)
{
    switch (c) {
    case '(': case ')': return 0;
    case '{': case '}': return 1;
    case '[': case ']': return 2;
    default: return -1;
    }
}

// Moves s past opening brackets and sentence punctuation, counting the
// brackets so that only matching closing ones are trimmed at the end.
void trim_front(const char *t, int *s, int e, int counters[3])
{
    while (*s < e) {
        char c = t[*s];
        if (c == '(' || c == '{' || c == '[')
            counters[bracket_kind(c)]++;
        else if (c == ')' || c == '}' || c == ']')
            counters[bracket_kind(c)]--;
        else if (c != ',' && c != '.' && c != '?')
            break;
        (*s)++;
    }
    for (int i = 0; i < 3; i++)
        if (counters[i] < 0)
            counters[i] = 0;
}

void trim_back(const char *t, int s, int *e, int counters[3])
{
    while (*e > s && strchr(".,?)}]", t[*e])) {
        int kind = bracket_kind(t[*e]);
        if (kind >= 0) {
            if (counters[kind] <= 0)
                break;
            counters[kind]--;
        }
        (*e)--;
    }
}

} // namespace

bool looks_like_url(const char *t, int n)
{
    if (has_prefix(t, n, "http://") || has_prefix(t, n, "https://") ||
        has_prefix(t, n, "ftp://") || has_prefix(t, n, "www."))
        return true;
    for (int i = 0; i < n; i++) {
        if (t[i] == ':' && (i + 1 >= n || t[i + 1] < '1' || t[i + 1] > '9'))
            return false;
        if (t[i] == '.' && i + 1 < n && t[i + 1] == '.')
            return false;
    }
    return has_domain_ending(t, n);
}

bool find_url_span(const char *t, int n, int o, int *start, int *end)
{
    if (!t || o < 0 || o >= n || !is_url_byte(t[o]))
        return false;
    int s = o;
    while (s >= 0 && is_url_byte(t[s]) && !scheme_at(t + s, n - s))
        s--;
    if (s < 0 || !is_url_byte(t[s]))
        s++;
    int e = o;
    while (e + 1 < n && is_url_byte(t[e + 1]))
        e++;
    int counters[3] = {0, 0, 0};
    trim_front(t, &s, e, counters);
    trim_back(t, s, &e, counters);
    if (o < s || o > e)
        return false;
    if (!scheme_at(t + s, n - s) && memchr(t + s, '@', e - s))
        return false;
    int length = e - s + 1;
    if (!memchr(t + s, '.', length) || !looks_like_url(t + s, length))
        return false;
    *start = s;
    *end = e;
    return true;
}
