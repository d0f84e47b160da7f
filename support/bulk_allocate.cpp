#include "support/bulk_allocate.h"

#include <cstdio>
#include <cstdlib>

#include "support/debug_log.h"

size_t xirr_bulk_bytes_allocated = 0;
int xirr_bulk_blocks_allocated = 0;

// Each free object holds the link to the next, so it must be able to hold
// and align a pointer.
static size_t object_stride(size_t object_size)
{
    const size_t word = sizeof(void *);
    if (object_size < word)
        return word;
    return (object_size + word - 1) / word * word;
}

static void report_sizes(const char *format, size_t count, size_t size, const char *type, int category)
{
    char message[400];
    std::snprintf(message, sizeof message, format, static_cast<int>(count), static_cast<int>(size),
                  static_cast<int>(count * size), type ? type : "(null)");
    xirr_report(message, category);
}

static void *link_objects(char *block, size_t count, size_t size)
{
    for (size_t i = 0; i < count; i++) {
        void *next = i + 1 < count ? block + (i + 1) * size : nullptr;
        *reinterpret_cast<void **>(block + i * size) = next;
    }
    xirr_bulk_bytes_allocated += count * size;
    xirr_bulk_blocks_allocated++;
    return block;
}

void *xirr_bulk_allocate(size_t object_size, const char *type_name, size_t block_size)
{
    size_t size = object_stride(object_size);
    size_t count = block_size / size;
    if (count < 1)
        count = 1;
    report_sizes("Allocating %6d objects of size %6d (%9d bytes), type '%s'", count, size, type_name, 256);
    char *block = static_cast<char *>(std::malloc(count * size));
    if (block)
        return link_objects(block, count, size);
    report_sizes("Error in xirr_bulk_allocate(), malloc failed for %6d objects of size %6d (%9d bytes), "
                 "type '%s'.  Trying single object.",
                 count, size, type_name, 1);
    block = static_cast<char *>(std::malloc(size));
    if (block)
        return link_objects(block, 1, size);
    report_sizes("Error in xirr_bulk_allocate(), malloc failed for %6d objects of size %6d (%9d bytes), "
                 "type '%s'.  Failing and exiting.",
                 1, size, type_name, 1);
    std::exit(1);
}
