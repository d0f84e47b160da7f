#include "support/words.h"

#include "support/debug_log.h"

static const int longest_word = 400;

static bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool is_word_end(char c)
{
    return c == 0 || is_blank(c);
}

static char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

static int word_length(const char *text)
{
    int n = 0;
    while (!is_word_end(text[n]) && n < longest_word)
        n++;
    return n;
}

const char *next_arg(const char *text)
{
    if (!text) {
        xirr_report("Error in next_arg(), NULL pointer passed in.", 256);
        return nullptr;
    }
    while (is_blank(*text))
        text++;
    while (!is_word_end(*text))
        text++;
    while (is_blank(*text))
        text++;
    return *text ? text : nullptr;
}

// Length of a's first word when b starts with it, -1 otherwise.
static int matching_prefix(const char *a, const char *b)
{
    if (!a || !b)
        return -1;
    int n = word_length(a);
    if (n >= longest_word)
        return -1;
    for (int i = 0; i < n; i++)
        if (lower(a[i]) != lower(b[i]))
            return -1;
    return n;
}

int word_equals(const char *a, const char *b)
{
    int n = matching_prefix(a, b);
    return n >= 0 && is_word_end(b[n]) ? 1 : 0;
}

int starts_with_word(const char *a, const char *b)
{
    int n = matching_prefix(a, b);
    return n > 0 ? n : 0;
}

int abbreviates(const char *a, const char *b, int minimum)
{
    int n = starts_with_word(a, b);
    if (n > 0 && n < minimum && !is_word_end(b[n]))
        return 0;
    return n;
}

int word_in_list(const char *word, const char *list)
{
    if (!word || !list)
        return 0;
    const char *item = list;
    while (is_blank(*item))
        item++;
    for (; item && *item; item = next_arg(item))
        if (word_equals(word, item))
            return 1;
    return 0;
}
