#ifndef SKIFF_SUPPORT_XIRR_OBJECT_POOL_H
#define SKIFF_SUPPORT_XIRR_OBJECT_POOL_H

#include <cstddef>

// A free list of fixed-size raw objects refilled in blocks by
// xirr_bulk_allocate.  Objects given back are reused, never freed.  The
// memory is raw: construct with placement new and destroy explicitly.  Not
// thread-safe: guard the pool with the owner's lock.
class xirr_object_pool {
public:
    xirr_object_pool(size_t object_size, const char *type_name, size_t block_size)
        : free_list_(nullptr), type_name_(type_name), block_size_(block_size),
          object_size_(object_size)
    {
    }
    xirr_object_pool(const xirr_object_pool &) = delete;
    xirr_object_pool &operator=(const xirr_object_pool &) = delete;

    // An object of object_size bytes (aligned for a pointer); never null.
    void *take();
    // Puts an object taken from this pool back on the free list.
    void give_back(void *object);

private:
    void *free_list_;
    const char *type_name_;
    size_t block_size_;
    size_t object_size_;
};

#endif
