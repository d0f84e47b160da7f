#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "support/bulk_allocate.h"
#include "support/xirr_object_pool.h"
#include "tests/common/log_tail.h"

TEST(bulk_allocate, links_every_object_of_the_block)
{
    log_tail log;
    int blocks = xirr_bulk_blocks_allocated;
    size_t bytes = xirr_bulk_bytes_allocated;
    // 13 bytes round up to 16 so that the link fits and stays aligned.
    void *first = xirr_bulk_allocate(13, "probe", 100);
    int n = 0;
    for (void *p = first; p; p = *static_cast<void **>(p)) {
        EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % sizeof(void *), 0u);
        EXPECT_EQ(static_cast<char *>(p) - static_cast<char *>(first), 16 * n);
        n++;
    }
    EXPECT_EQ(n, 6);
    EXPECT_EQ(xirr_bulk_blocks_allocated, blocks + 1);
    EXPECT_EQ(xirr_bulk_bytes_allocated, bytes + 96);
    EXPECT_TRUE(log.contains("Allocating      6 objects of size     16 (       96 bytes), type 'probe'\n"));

    // A block smaller than one object still gives one; tiny objects hold a link.
    void *one = xirr_bulk_allocate(1, "tiny", 0);
    EXPECT_EQ(*static_cast<void **>(one), nullptr);
}

TEST(xirr_object_pool, reuses_given_back_objects_and_refills)
{
    xirr_object_pool pool(24, "row", 24 * 4);
    std::set<void *> seen;
    void *objects[4];
    for (auto &o : objects) {
        o = pool.take();
        seen.insert(o);
    }
    EXPECT_EQ(seen.size(), 4u);
    pool.give_back(objects[2]);
    EXPECT_EQ(pool.take(), objects[2]);
    int blocks = xirr_bulk_blocks_allocated;
    void *fresh = pool.take();
    EXPECT_EQ(seen.count(fresh), 0u);
    EXPECT_EQ(xirr_bulk_blocks_allocated, blocks + 1);
}
