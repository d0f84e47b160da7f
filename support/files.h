#ifndef SKIFF_SUPPORT_FILES_H
#define SKIFF_SUPPORT_FILES_H

#include <cstdio>

#include "support/fixed_text.h"

// Lines and directories.  Any thread (each file belongs to one thread).

// Reads one line into buffer: bytes up to LF, a zero byte or the end of the
// file, every CR dropped, always terminated.  Returns the number of bytes
// stored plus one, or 0 at the end of the file (also for a null file or
// buffer, or a size below 2, where nothing could be stored).  A line longer
// than size - 1 is cut there (reported) and the rest stays for the next call.
int fget_line(FILE *file, char *buffer, int size);

// Creates every directory of path that is followed by '/' or '\\' (the part
// after the last separator is not created), each with mode; a leading
// separator makes the path absolute; existing directories are fine.  Returns
// 1 on success, 0 on failure, when error (if given) gets the path built so
// far appended.
int xirr_recursive_mkdir(const char *path, int mode, fixed_text *error);

// Creates the directory path with mode 0700 (mode is not used) and checks
// that a file can be created in it and removed again.  Returns 1 when it can,
// 0 otherwise, when error (if given) gets the test file's path appended.
int xirr_create_and_check_writeable_directory(const char *path, int mode, fixed_text *error);

#endif
