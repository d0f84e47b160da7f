#include "support/debug_log.h"

#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int debug_level = 3;
bool debug_to_stdout = true;
fixed_text debug_file_name;
bool debug_file_disabled = false;
bool report_enabled = true;
int report_mask = 0;
const char *const default_debug_file = "/tmp/veymoor_logfile.txt";

static FILE *debug_file = nullptr;

// The log lives in a world-writable directory, where another user could
// plant a symbolic link, a FIFO (an open for writing would hang) or a file
// of their own that they can read: refuse all of these, and keep a file we
// create private.
static FILE *open_append_private(const char *path)
{
    int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
        close(fd);
        return nullptr;
    }
    fcntl(fd, F_SETFL, O_APPEND);
    FILE *f = fdopen(fd, "ab");
    if (!f)
        close(fd);
    return f;
}

void open_debug_file(const char *path)
{
    if (debug_file)
        return;
    if (!path)
        path = default_debug_file;
    if (debug_file_name.empty())
        debug_file_name.set(path);
    debug_file = open_append_private(path);
    if (debug_file) {
        debug_file_name.set(path);
        debug_file_disabled = false;
    } else {
        debug_file_disabled = true;
    }
}

bool change_debug_file(const char *path)
{
    if (debug_file) {
        fclose(debug_file);
        debug_file = nullptr;
    }
    debug_file = path ? open_append_private(path) : nullptr;
    if (debug_file) {
        debug_file_name.set(path);
        debug_file_disabled = false;
        return true;
    }
    // With no earlier file there is nothing to go back to: the next message
    // opens the default file as usual.
    if (debug_file_name.empty())
        return false;
    debug_file = open_append_private(debug_file_name.c_str());
    debug_file_disabled = debug_file == nullptr;
    return false;
}

void reset_debug_file()
{
    if (debug_file)
        fclose(debug_file);
    debug_file = nullptr;
    debug_file_name.clear();
    debug_file_disabled = false;
}

void debug_log(const char *format, ...)
{
    va_list ap;
    if (debug_to_stdout) {
        va_start(ap, format);
        vfprintf(stdout, format, ap);
        va_end(ap);
        fflush(stdout);
    }
    if (debug_file_disabled)
        return;
    if (!debug_file) {
        open_debug_file(default_debug_file);
        if (!debug_file) {
            debug_file_disabled = true;
            return;
        }
    }
    va_start(ap, format);
    vfprintf(debug_file, format, ap);
    va_end(ap);
    fflush(debug_file);
}

void xirr_report(const char *message, int category)
{
    if (!report_enabled || (category & ~report_mask) == 0 || debug_level <= 0)
        return;
    debug_log("%s\n", message ? message : "(null)");
}
