#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/VoidPointerHashTable.h"
#include "support/string_hash.h"
#include "tests/common/log_tail.h"

TEST(string_hash, known_values)
{
    EXPECT_EQ(xirr_string_hash("abc"), 1257601186u);
    EXPECT_EQ(xirr_string_hash(nullptr), xirr_string_hash(""));
    EXPECT_NE(xirr_string_hash("abd"), xirr_string_hash("abc"));
    // Bytes above 127 hash as unsigned values.
    EXPECT_NE(xirr_string_hash("\xe9"), xirr_string_hash("\x69"));
}

namespace {
struct thing {
    const char *name;
};
uint32_t item_hash(const void *item) { return xirr_string_hash(static_cast<const thing *>(item)->name); }
uint32_t key_hash(const void *key) { return xirr_string_hash(static_cast<const char *>(key)); }
bool has_key(const void *item, const void *key)
{
    return std::strcmp(static_cast<const thing *>(item)->name, static_cast<const char *>(key)) == 0;
}
uint32_t same_hash(const void *) { return 7; }
}

TEST(VoidPointerHashTable, add_find_remove_and_duplicates)
{
    VoidPointerHashTable table(item_hash, key_hash, has_key);
    thing a{"alpha"}, b{"beta"}, a2{"alpha"};
    EXPECT_TRUE(table.add(&a));
    EXPECT_TRUE(table.add(&b));
    log_tail log;
    EXPECT_FALSE(table.add(&a));
    EXPECT_TRUE(log.contains("Error in VoidPointerHashTable::add(), attempt to add duplicate thing.\n"));
    EXPECT_EQ(table.find("alpha"), &a);
    EXPECT_TRUE(table.add(&a2));  // same key, other item: newest first
    EXPECT_EQ(table.find("alpha"), &a2);
    EXPECT_TRUE(table.remove(&a2));
    EXPECT_EQ(table.find("alpha"), &a);
    EXPECT_FALSE(table.remove(&a2));
    EXPECT_EQ(table.find("gamma"), nullptr);
    EXPECT_EQ(table.size(), 2);
}

TEST(VoidPointerHashTable, the_130th_item_doubles_the_table)
{
    VoidPointerHashTable table(item_hash, key_hash, has_key);
    std::vector<std::string> names;
    for (int i = 0; i < 300; i++)
        names.push_back("item" + std::to_string(i));
    std::vector<thing> things;
    for (auto &n : names)
        things.push_back(thing{n.c_str()});
    for (int i = 0; i < 129; i++)
        table.add(&things[i]);
    EXPECT_EQ(table.bucket_count(), 256);
    table.add(&things[129]);
    EXPECT_EQ(table.bucket_count(), 512);
    for (int i = 130; i < 300; i++)
        table.add(&things[i]);
    for (int i = 0; i < 300; i++)
        EXPECT_EQ(table.find(names[i].c_str()), &things[i]);
}

TEST(VoidPointerHashTable, crowded_bucket_is_reported_and_still_added)
{
    VoidPointerHashTable table(same_hash, key_hash, has_key);
    std::vector<thing> things(52, thing{"x"});
    log_tail log;
    for (int i = 0; i < 51; i++)
        EXPECT_TRUE(table.add(&things[i]));
    EXPECT_FALSE(log.contains("things in bucket"));
    EXPECT_TRUE(table.add(&things[51]));
    EXPECT_TRUE(log.contains("Error in VoidPointerHashTable::add(), found 51 things in bucket 7.\n"));
    EXPECT_EQ(table.size(), 52);
}

TEST(VoidPointerHashTable, remove_finds_an_item_whose_key_changed)
{
    VoidPointerHashTable table(item_hash, key_hash, has_key);
    thing a{"before"};
    table.add(&a);
    a.name = "after";
    EXPECT_TRUE(table.remove(&a));
    EXPECT_EQ(table.size(), 0);
}
