#ifndef SKIFF_SUPPORT_WORDS_H
#define SKIFF_SUPPORT_WORDS_H

// Words of a text.  A word ends at a space, tab, line break (LF or CR) or the
// end of the text; comparisons ignore the case of A to Z only.  A text's
// "first word" starts at its first byte (leading blanks make it empty).
// Words of 400 characters or more never match.  Any thread.

// True for the bytes that end a word (including the terminating zero).
bool is_word_end(char c);

// Skips blanks, the first word and blanks again: the start of the next word,
// or null when there is none (and for a null text, which is reported).
const char *next_arg(const char *text);

// 1 when the first words of a and b are equal, else 0 (null gives 0).
int word_equals(const char *a, const char *b);

// The length of a's first word when b begins with it (b may go on past it),
// else 0.
int starts_with_word(const char *a, const char *b);

// Like starts_with_word, but a first word shorter than minimum must be the
// whole of b's first word.  The client commands' prefix(N) rule.
int abbreviates(const char *a, const char *b, int minimum);

// 1 when the first word of word equals any word of the blank-separated list.
int word_in_list(const char *word, const char *list);

#endif
