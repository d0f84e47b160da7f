#include "support/lock_file.h"

#include <fcntl.h>
#include <unistd.h>

int xirr_lock_file(const char *path)
{
    if (!path)
        return -1;
    int fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (lockf(fd, F_TLOCK, 0) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void xirr_unlock_file(int fd)
{
    if (fd < 0)
        return;
    lockf(fd, F_ULOCK, 0);
    close(fd);
}
