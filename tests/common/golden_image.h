#ifndef SKIFF_TESTS_COMMON_GOLDEN_IMAGE_H
#define SKIFF_TESTS_COMMON_GOLDEN_IMAGE_H

#include <string>

class xirr_bitmap;

// Golden-image checks for whole panels and button images.
//
// compare_with_golden("name", surface) compares the surface's RGB with
// tests/golden/name.png.  On a mismatch it writes the actual image as
// name.actual.png next to the expected one (ignored by git) and returns a message naming both files and the first
// differing pixel.  With SKIFF_UPDATE_GOLDEN=1 in the environment it writes
// the golden file instead and passes.  An empty result means a match.
std::string compare_with_golden(const std::string &name, const xirr_bitmap &surface);

// 8-bit RGBA PNG files, as the golden files are stored (alpha written as
// the surface holds it).
bool write_png_file(const std::string &path, const xirr_bitmap &surface);
// Reads an 8-bit RGB or RGBA, non-interlaced PNG; false for anything else.
bool read_png_file(const std::string &path, xirr_bitmap &surface);

#endif
