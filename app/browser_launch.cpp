#include "app/browser_launch.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

#include "support/debug_log.h"

extern char **environ;

static bool wait_for_success(pid_t pid)
{
    int status = 0;
    pid_t done;
    do
        done = waitpid(pid, &status, 0);
    while (done < 0 && errno == EINTR);
    return done == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool run_browser(const char *url)
{
    if (!url || url[0] == '-')
        return false;
    std::string argument(url);
    if (argument.size() > static_cast<size_t>(browser_url_limit))
        argument.resize(browser_url_limit);
    char program[] = "firefox";
    char *argv[] = {program, &argument[0], nullptr};
    pid_t pid;
    int error = posix_spawnp(&pid, program, nullptr, nullptr, argv, environ);
    if (error != 0) {
        if (debug_level > 1)
            debug_log("Warning in launch_browser(), unable to start firefox (error %d).\n", error);
        return false;
    }
    return wait_for_success(pid);
}

std::string browser_failure_message(const char *url)
{
    std::string text = "\n\nSorry, but I can't seem invoke the FireFox browser.  This is the only browser I "
                       "currently trust.\nYou can try to get to the link manually by going to:\n\n";
    return text + (url ? url : "") + "\n\n";
}
