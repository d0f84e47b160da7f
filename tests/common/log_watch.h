#ifndef SKIFF_TESTS_COMMON_LOG_WATCH_H
#define SKIFF_TESTS_COMMON_LOG_WATCH_H

#include <string>

// Marks the current end of the debug file; text() returns what has been
// logged since.
class log_watch {
public:
    log_watch();
    std::string text() const;
    bool contains(const std::string &needle) const { return text().find(needle) != std::string::npos; }

private:
    long start_;
};

#endif
