#ifndef SKIFF_SUPPORT_THREADS_H
#define SKIFF_SUPPORT_THREADS_H

// Starts a detached thread that calls function(argument).  Returns 1, or 0
// when the thread could not be started (reported).  The name is for the
// caller's own messages.
int xirr_thread_create(const char *name, void *(*function)(void *), void *argument);

// Sleeps the calling thread for at least the given milliseconds.
void xirr_sleep_ms(int milliseconds);

#endif
