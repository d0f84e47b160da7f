#include "app/config_directory.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "support/debug_log.h"
#include "support/files.h"
#include "support/fixed_text.h"
#include "support/strings.h"

char *config_directory = nullptr;

// The shared fallback sits in /tmp, where another user could have made it
// first: a directory of someone else is never used for our files.
static bool usable(const char *path)
{
    if (xirr_create_and_check_writeable_directory(path, 0700, nullptr) != 1)
        return false;
    struct stat st;
    return stat(path, &st) == 0 && st.st_uid == geteuid();
}

static bool try_candidate(const char *path)
{
    if (debug_level > 0)
        debug_log("Trying %s\n", path);
    if (!usable(path))
        return false;
    replace_string(&config_directory, path);
    return true;
}

static bool try_home(const char *home)
{
    // An empty HOME would put the directory at the file system's root.
    if (!home || !*home) {
        if (debug_level > 0)
            debug_log("Unable to fetch home directory - please set HOME environment variable and restart.\n");
        return false;
    }
    fixed_text path(home);
    path.append("/.Veymoor");
    return try_candidate(path.c_str());
}

static bool keep_current()
{
    if (!config_directory || !*config_directory)
        return false;
    if (debug_level > 2)
        debug_log("Trying to use config directory '%s'.\n", config_directory);
    return usable(config_directory);
}

static void search(const char *home, const char *shared_fallback)
{
    if (keep_current())
        return;
    if (debug_level > 0)
        debug_log("No loaded config directory, attempting to construct one...\n");
    free_string(&config_directory);
    if (try_home(home) || try_candidate(".Veymoor") || try_candidate(shared_fallback))
        return;
    if (debug_level > 0)
        debug_log("Giving up.  Assigning global path of '%s'\n", "Veymoor");
    replace_string(&config_directory, "Veymoor");
}

void load_system_config_directory_from(const char *home, const char *shared_fallback)
{
    if (debug_level > 2)
        debug_log("load_system_config_directory() - starting with config directory '%s'.\n",
                  config_directory ? config_directory : "(null)");
    search(home, shared_fallback ? shared_fallback : "/tmp/Veymoor");
    if (debug_level > 2)
        debug_log("load_system_config_directory() - got final config directory '%s'.\n", config_directory);
}

void load_system_config_directory()
{
    load_system_config_directory_from(std::getenv("HOME"), "/tmp/Veymoor");
}

void delete_boot_name_file()
{
    if (!config_directory)
        return;
    fixed_text path(config_directory);
    path.append("/bootname.txt");
    std::remove(path.c_str());
}
