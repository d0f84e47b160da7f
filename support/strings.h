#ifndef SKIFF_SUPPORT_STRINGS_H
#define SKIFF_SUPPORT_STRINGS_H

#include <cstddef>

// Bounded copies and heap texts.  Heap texts come from malloc and are freed
// with free_string; every function here may be called from any thread.

// Copies at most size - 1 bytes and always terminates (when size > 0).  A
// null source leaves an empty text; a source that does not fit is cut.  Both
// are logged at level > 1.  Returns dest.
char *safe_strcpy(char *dest, const char *src, size_t size);

// A new heap copy of src, or null (logged) when src is null or memory runs
// out.
char *copy_string(const char *src);

// A new heap buffer of length + 1 bytes holding the first length bytes of src,
// zero-padded when src is shorter, always terminated.  A null src (logged)
// gives an empty text of that capacity.  Null only when memory runs out
// (a length of SIZE_MAX never fits).
char *copy_string(const char *src, size_t length);

// Frees *dest and replaces it with a copy of src (null when src is null).
void replace_string(char **dest, const char *src);

// Frees *text and sets it to null.
void free_string(char **text);

// A heap copy of text, or null for null.
char *duplicate_string(const char *text);

#endif
