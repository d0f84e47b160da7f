#ifndef SKIFF_TESTS_COMMON_TEST_HOME_H
#define SKIFF_TESTS_COMMON_TEST_HOME_H

#include <string>

// Every test process runs in a fresh temporary directory that is both HOME and
// the working directory, removed again when the process ends.  The test mains
// call enter_test_home() before running any test.
void enter_test_home();
void leave_test_home();
const std::string &test_home();

// Removes a directory tree; true when it is gone.
bool remove_tree(const std::string &path);

#endif
