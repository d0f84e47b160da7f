#ifndef SKIFF_SUPPORT_VOIDPOINTERHASHTABLE_H
#define SKIFF_SUPPORT_VOIDPOINTERHASHTABLE_H

#include <cstdint>

// A hash table of item pointers found by key.  The table never owns its
// items; the caller tells it how to hash an item's key, how to hash a key and
// whether an item has a key.  Not thread-safe: one owner thread.
class VoidPointerHashTable {
public:
    typedef uint32_t (*item_hash_fn)(const void *item);
    typedef uint32_t (*key_hash_fn)(const void *key);
    typedef bool (*item_has_key_fn)(const void *item, const void *key);

    VoidPointerHashTable(item_hash_fn item_hash, key_hash_fn key_hash, item_has_key_fn has_key);
    ~VoidPointerHashTable();
    VoidPointerHashTable(const VoidPointerHashTable &) = delete;
    VoidPointerHashTable &operator=(const VoidPointerHashTable &) = delete;

    // Adds an item (grows the table first when more than half full).  False
    // when the item is already in the table, is null or memory runs out.
    bool add(void *item);
    // The most recently added item that has the key, or null.
    void *find(const void *key) const;
    // Removes the item (by pointer); false when it was not in the table.
    bool remove(void *item);

    int size() const { return entries_; }
    int bucket_count() const { return bucket_count_; }

private:
    struct entry {
        uint32_t hash;
        void *item;
        entry *next;
    };

    void expand_hash_table();
    bool unlink(uint32_t bucket, void *item);

    entry **buckets_;
    int bucket_count_;
    uint32_t mask_;
    int entries_;
    item_hash_fn item_hash_;
    key_hash_fn key_hash_;
    item_has_key_fn has_key_;
};

#endif
