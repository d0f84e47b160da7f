#include "tests/common/test_home.h"

#include <ftw.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

static std::string home_dir;

static int remove_entry(const char *path, const struct stat *, int, struct FTW *)
{
    return remove(path);
}

bool remove_tree(const std::string &path)
{
    nftw(path.c_str(), remove_entry, 16, FTW_DEPTH | FTW_PHYS);
    return access(path.c_str(), F_OK) != 0;
}

void enter_test_home()
{
    char tmpl[] = "/tmp/skiff-test-home.XXXXXX";
    if (!mkdtemp(tmpl)) {
        perror("mkdtemp");
        exit(1);
    }
    home_dir = tmpl;
    setenv("HOME", tmpl, 1);
    if (chdir(tmpl) != 0) {
        perror("chdir");
        exit(1);
    }
}

void leave_test_home()
{
    if (home_dir.empty())
        return;
    if (chdir("/") != 0)
        perror("chdir");
    remove_tree(home_dir);
    home_dir.clear();
}

const std::string &test_home()
{
    return home_dir;
}
