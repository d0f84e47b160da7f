#ifndef SKIFF_SUPPORT_BULK_ALLOCATE_H
#define SKIFF_SUPPORT_BULK_ALLOCATE_H

#include <cstddef>

// Allocates one block of block_size bytes and cuts it into objects of
// object_size bytes (rounded up to a multiple of the pointer size), linked
// into a list through their first word, the last one linking to null.
// Returns the first object.  When the block cannot be had it tries a single
// object, and when that fails too it ends the process (status 1).  Blocks are
// never returned to the system.  Any thread (the counters are only a guide).
void *xirr_bulk_allocate(size_t object_size, const char *type_name, size_t block_size);

// What xirr_bulk_allocate has taken so far.
extern size_t xirr_bulk_bytes_allocated;
extern int xirr_bulk_blocks_allocated;

#endif
