#ifndef SKIFF_SUPPORT_BUILTIN_RESOURCES_H
#define SKIFF_SUPPORT_BUILTIN_RESOURCES_H

#include <cstddef>

// A file of resources/ compiled into the program (generated at build time).
struct builtin_resource {
    const char *name;           // file name, e.g. "logo.png"
    const unsigned char *data;  // the file's bytes
    size_t size;
};

// The resource with this file name, or null when there is none.
const builtin_resource *find_builtin_resource(const char *name);

#endif
