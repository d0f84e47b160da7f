#include "input/caption_break.h"

#include <cstring>

#include "draw/button_images.h"

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Appends at most n characters of text, with tabs and line feeds as spaces.
void copy_spaced(fixed_text &out, const char *text, int n)
{
    for (int i = 0; i < n && text[i]; i++)
        out.append_char(text[i] == '\t' || text[i] == '\n' ? ' ' : text[i]);
}

// Where the second line starts, or null when there is none; sets *first_len.
const char *find_break(const char *caption, int n, int *first_len)
{
    int word = 0;
    while (caption[word] && !is_blank(caption[word]))
        word++;
    *first_len = n;
    if (word > n) {
        // A word too long for the button: keep its head, drop the rest.
        const char *rest = caption + word;
        while (is_blank(*rest))
            rest++;
        return *rest ? rest : nullptr;
    }
    if (n == static_cast<int>(std::strlen(caption)))
        return nullptr;
    while (n > 0 && !is_blank(caption[n]))
        n--;
    while (n > 0 && is_blank(caption[n]))
        n--;
    if (!is_blank(caption[n]))
        n++;
    *first_len = n;
    return caption + n;
}

void second_line(const xirr_glyph_font &font, const char *rest, int width, fixed_text &out)
{
    while (is_blank(*rest))
        rest++;
    int m = fitting_count(font, rest, width);
    char line[99];
    int len = 0;
    for (; len < m && len < 98 && rest[len]; len++)
        line[len] = is_blank(rest[len]) ? ' ' : rest[len];
    // A space among the last three places of the fit ends the line there.
    // The look stops at the first place that is 0 or beyond the copy (the
    // copy can be shorter than the fit when it reaches 98 characters).
    for (int pos = m - 1; pos >= m - 3 && pos > 0 && pos < len; pos--)
        if (line[pos] == ' ')
            len = pos;
    out.append(line, len);
}

} // namespace

void break_caption(const xirr_glyph_font &font, const char *caption, int width, fixed_text &first,
                   fixed_text &second)
{
    first.clear();
    second.clear();
    if (!caption || !caption[0])
        return;
    int n = fitting_count(font, caption, width);
    int first_len = n;
    const char *rest = find_break(caption, n, &first_len);
    copy_spaced(first, caption, first_len);
    if (rest)
        second_line(font, rest, width, second);
}
