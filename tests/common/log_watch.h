#ifndef SKIFF_TESTS_COMMON_LOG_WATCH_H
#define SKIFF_TESTS_COMMON_LOG_WATCH_H

#include "tests/common/log_tail.h"

// Marks the current end of the debug file; text() returns what has been
// logged since.  The same helper as log_tail, under the name some tests use.
using log_watch = log_tail;

#endif
