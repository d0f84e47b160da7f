#ifndef SKIFF_TEXT_WILDCARD_MATCH_H
#define SKIFF_TEXT_WILDCARD_MATCH_H

// Buffers for the text matched by the first four wildcards of a pattern.  A
// null buffer or a size below 1 is skipped; a capture that does not fit is
// cut to size - 1 bytes.  Every buffer that is used is always terminated.
struct wildcard_captures {
    static const int count = 4;
    char *buffer[count] = {nullptr, nullptr, nullptr, nullptr};
    int size[count] = {0, 0, 0, 0};
};

// Matches a line against a pattern of literal text and "*" wildcards, each
// standing for any text, including none.  The text before the first "*"
// must start the line, each following literal piece is searched for in
// order (its first place after the previous one), and the last piece must
// end the line; a pattern without "*" must equal the line.  Bytes compare
// exactly.  On a match the first four wildcards' texts go into the
// captures (which may be null); on no match the captures' contents are
// unspecified but terminated.  A null pattern or line never matches.
// Any thread.
bool wildcard_match(const char *pattern, const char *line, wildcard_captures *captures = nullptr);

#endif
