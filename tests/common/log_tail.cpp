#include "tests/common/log_tail.h"

#include <cstdio>
#include <sys/stat.h>

#include "support/debug_log.h"

log_tail::log_tail() : file_(debug_file_name.c_str()), start_(0)
{
    struct stat st;
    if (stat(file_.c_str(), &st) == 0)
        start_ = static_cast<long>(st.st_size);
}

std::string log_tail::text() const
{
    std::string all = read_file(file_);
    return all.size() > static_cast<size_t>(start_) ? all.substr(static_cast<size_t>(start_)) : std::string();
}

std::string read_file(const std::string &path)
{
    std::string out;
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    std::fclose(f);
    return out;
}
