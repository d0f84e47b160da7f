#include "support/threads.h"

#include <cerrno>
#include <pthread.h>
#include <time.h>

#include "support/debug_log.h"

int xirr_thread_create(const char *name, void *(*function)(void *), void *argument)
{
    pthread_attr_t attr;
    pthread_t thread;
    if (!function || pthread_attr_init(&attr) != 0) {
        xirr_report("Error in xirr_thread_create(), thread create failed?", 1);
        return 0;
    }
    pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
    int rc = pthread_create(&thread, &attr, function, argument);
    pthread_attr_destroy(&attr);
    if (rc != 0) {
        xirr_report("Error in xirr_thread_create(), thread create failed?", 1);
        return 0;
    }
    return 1;
}

void xirr_sleep_ms(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    struct timespec left = {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    // A signal cuts nanosleep short; sleep out the rest.
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}
