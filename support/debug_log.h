#ifndef SKIFF_SUPPORT_DEBUG_LOG_H
#define SKIFF_SUPPORT_DEBUG_LOG_H

#include "support/fixed_text.h"

// The process-wide debug log.  Callers test debug_level themselves:
//   debug_level > 0  errors,  > 1 warnings and ordinary trace,  > 2 verbose.
// Every message goes to standard output (flushed) and to the debug file,
// which is opened lazily on the first message.  One formatted write and a
// flush per message, no lock: any thread may call.
extern int debug_level;
extern bool debug_to_stdout;
extern fixed_text debug_file_name;
extern bool debug_file_disabled;
extern bool report_enabled;
extern int report_mask;

// The debug file used when none has been chosen.
extern const char *const default_debug_file;

void debug_log(const char *format, ...) __attribute__((format(printf, 1, 2)));

// Support-library report: message + "\n" through debug_log, when reports are
// enabled, the category has a bit outside report_mask and debug_level > 0.
// Categories: 1 allocation failure, 2 misuse/internal error/IO, 4 bad
// argument, 8 overlong hash chain, 0x80 connection failure, 0x100 connection
// closed or shut down (also argument-word misuse and allocation notes).
void xirr_report(const char *message, int category);

// Opens the debug file for appending unless one is open.  The file is created
// with mode 0600; a symbolic link, anything but a regular file, or a file of
// another user counts as a file that cannot be opened (the default file sits
// in world-writable /tmp).
void open_debug_file(const char *path);

// Switches the debug file; false (and the previous file reopened) on failure.
bool change_debug_file(const char *path);

// Closes the debug file and forgets its state (used by tests).
void reset_debug_file();

#endif
