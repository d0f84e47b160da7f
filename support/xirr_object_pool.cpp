#include "support/xirr_object_pool.h"

#include "support/bulk_allocate.h"

void *xirr_object_pool::take()
{
    if (!free_list_)
        free_list_ = xirr_bulk_allocate(object_size_, type_name_, block_size_);
    void *object = free_list_;
    free_list_ = *static_cast<void **>(object);
    return object;
}

void xirr_object_pool::give_back(void *object)
{
    if (!object)
        return;
    *static_cast<void **>(object) = free_list_;
    free_list_ = object;
}
