#ifndef SKIFF_APP_BROWSER_LAUNCH_H
#define SKIFF_APP_BROWSER_LAUNCH_H

#include <string>

// Opening web links in the external browser.  The browser is started
// directly, never through a shell, with the URL as its only argument, so a
// link from the server cannot run a command.  Main thread only.

// The longest URL handed to the browser; longer ones are cut.
const int browser_url_limit = 1023;

// Starts "firefox" (looked up in PATH) with the URL and waits for it to
// return.  True when it exited with status 0.  A URL beginning with '-'
// would be taken as an option and is refused.
bool run_browser(const char *url);

// The message the client shows when the browser could not be started.
std::string browser_failure_message(const char *url);

#endif
