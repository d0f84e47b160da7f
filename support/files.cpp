#include "support/files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/debug_log.h"

static void report_overflow(const char *text)
{
    xirr_report("Warning in fget_line(), string overflow.  String was:", 2);
    xirr_report(text, 2);
}

int fget_line(FILE *file, char *buffer, int size)
{
    // With no room for even one byte the reader could never move on.
    if (!file || !buffer || size < 2)
        return 0;
    int c = std::getc(file);
    if (c == EOF)
        return 0;
    int stored = 0;
    for (; c != EOF && c != '\n' && c != 0; c = std::getc(file)) {
        if (c == '\r')
            continue;
        buffer[stored++] = static_cast<char>(c);
        if (stored == size - 1) {
            buffer[stored] = 0;
            report_overflow(buffer);
            return stored + 1;
        }
    }
    buffer[stored] = 0;
    return stored + 1;
}

static bool is_separator(char c)
{
    return c == '/' || c == '\\';
}

static bool make_one_directory(const char *path, int mode)
{
    if (mkdir(path, static_cast<mode_t>(mode)) == 0)
        return true;
    struct stat st;
    return errno == EEXIST && stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

int xirr_recursive_mkdir(const char *path, int mode, fixed_text *error)
{
    if (!path) {
        xirr_report("Error in xirr_recursive_mkdir(), NULL path.", 4);
        return 0;
    }
    fixed_text built;
    if (is_separator(*path))
        built.append_char('/');
    const char *p = path;
    while (*p) {
        while (is_separator(*p))
            p++;
        const char *end = p;
        while (*end && !is_separator(*end))
            end++;
        if (!*end || end == p)
            break;
        if (built.length() > 0 && built.c_str()[built.length() - 1] != '/')
            built.append_char('/');
        built.append(p, static_cast<size_t>(end - p));
        if (!make_one_directory(built.c_str(), mode)) {
            if (error)
                error->append(built.c_str());
            return 0;
        }
        p = end;
    }
    return 1;
}

// The test file is opened without following a symbolic link, so a link
// planted in a shared directory cannot make us truncate another file.
static bool can_create_file(const char *path)
{
    int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    close(fd);
    return unlink(path) == 0;
}

int xirr_create_and_check_writeable_directory(const char *path, int mode, fixed_text *error)
{
    if (!path) {
        xirr_report("Error in xirr_create_and_check_writeable_directory(), NULL path.", 4);
        return 0;
    }
    fixed_text test_file(path);
    test_file.append("/xx-rw-test.qqq");
    // An empty path would put the test file at the file system's root.
    if (*path) {
        fixed_text directory(path);
        directory.append("/");
        if (xirr_recursive_mkdir(directory.c_str(), 0700, nullptr) && can_create_file(test_file.c_str()))
            return 1;
    }
    if (error)
        error->append(test_file.c_str());
    return 0;
}
