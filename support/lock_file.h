#ifndef SKIFF_SUPPORT_LOCK_FILE_H
#define SKIFF_SUPPORT_LOCK_FILE_H

// A lock file keeps a second client process from doing the same work (the
// soundpack update).  The lock belongs to the process, not to a thread.

// Opens or creates path (read and write, mode 0600) and locks it without
// waiting.  Returns the descriptor, or -1 when the file cannot be opened or
// another process holds the lock.
int xirr_lock_file(const char *path);

// Releases a lock taken by xirr_lock_file and closes the descriptor.
void xirr_unlock_file(int fd);

#endif
