#ifndef SKIFF_TESTS_COMMON_LOG_TAIL_H
#define SKIFF_TESTS_COMMON_LOG_TAIL_H

#include <string>

// What the debug log file received after this object was made: construct it
// before the code under test, then read text().
class log_tail {
public:
    log_tail();
    std::string text() const;
    bool contains(const std::string &needle) const { return text().find(needle) != std::string::npos; }

private:
    std::string file_;
    long start_;
};

// The whole content of a file ("" when it cannot be read).
std::string read_file(const std::string &path);

#endif
