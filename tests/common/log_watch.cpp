#include "tests/common/log_watch.h"

#include <cstdio>

#include "support/debug_log.h"

static long file_size(const char *path)
{
    FILE *f = fopen(path, "rb");
    if (!f)
        return 0;
    fseek(f, 0, SEEK_END);
    long size = ftell(f);
    fclose(f);
    return size;
}

log_watch::log_watch() : start_(file_size(debug_file_name.c_str())) {}

std::string log_watch::text() const
{
    std::string out;
    FILE *f = fopen(debug_file_name.c_str(), "rb");
    if (!f)
        return out;
    fseek(f, start_, SEEK_SET);
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        out.append(buffer, n);
    fclose(f);
    return out;
}
