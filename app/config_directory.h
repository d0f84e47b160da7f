#ifndef SKIFF_APP_CONFIG_DIRECTORY_H
#define SKIFF_APP_CONFIG_DIRECTORY_H

// The per-user configuration directory (no trailing slash): other parts of
// the program build their file names as config_directory + "/" + name.
// Chosen once at start-up on the main thread; null before that.
extern char *config_directory;

// Chooses config_directory: the one already set if usable, else
// $HOME/.Veymoor, ".Veymoor", "/tmp/Veymoor", and at last "Veymoor"
// untested.  A candidate is usable when it can be created (mode 0700) and
// written, and belongs to this user.
void load_system_config_directory();

// The same search with HOME given (null or empty: unset) and the shared
// fallback given in place of "/tmp/Veymoor" (so tests can make it fail).
void load_system_config_directory_from(const char *home, const char *shared_fallback);

// Deletes config_directory + "/bootname.txt" when it exists (errors ignored).
void delete_boot_name_file();

#endif
