#include "support/VoidPointerHashTable.h"

#include <cstdio>
#include <cstdlib>

#include "support/debug_log.h"

static const int initial_buckets = 256;
static const int crowded_bucket = 50;

VoidPointerHashTable::VoidPointerHashTable(item_hash_fn item_hash, key_hash_fn key_hash,
                                           item_has_key_fn has_key)
    : buckets_(nullptr), bucket_count_(0), mask_(0), entries_(0), item_hash_(item_hash),
      key_hash_(key_hash), has_key_(has_key)
{
    buckets_ = static_cast<entry **>(std::calloc(initial_buckets, sizeof(entry *)));
    if (!buckets_) {
        xirr_report("Error in VoidPointerHashTable(), initial table alloc failed.", 1);
        return;
    }
    bucket_count_ = initial_buckets;
    mask_ = initial_buckets - 1;
}

VoidPointerHashTable::~VoidPointerHashTable()
{
    for (int i = 0; i < bucket_count_; i++) {
        entry *e = buckets_[i];
        while (e) {
            entry *next = e->next;
            std::free(e);
            e = next;
        }
    }
    std::free(buckets_);
}

void VoidPointerHashTable::expand_hash_table()
{
    int count = bucket_count_ * 2;
    entry **bigger = static_cast<entry **>(std::calloc(count, sizeof(entry *)));
    if (!bigger) {
        char message[160];
        std::snprintf(message, sizeof message,
                      "Error in VoidPointerHashTable::expand_hash_table(), unable to allocate table "
                      "of size %d.  Using old table.",
                      count);
        xirr_report(message, 2);
        return;
    }
    uint32_t mask = static_cast<uint32_t>(count - 1);
    for (int i = 0; i < bucket_count_; i++) {
        entry *e = buckets_[i];
        while (e) {
            entry *next = e->next;
            e->next = bigger[e->hash & mask];
            bigger[e->hash & mask] = e;
            e = next;
        }
    }
    std::free(buckets_);
    buckets_ = bigger;
    bucket_count_ = count;
    mask_ = mask;
}

bool VoidPointerHashTable::add(void *item)
{
    if (!buckets_ || !item)
        return false;
    if (entries_ > bucket_count_ / 2)
        expand_hash_table();
    uint32_t hash = item_hash_(item);
    uint32_t bucket = hash & mask_;
    int depth = 0;
    for (entry *e = buckets_[bucket]; e; e = e->next, depth++) {
        if (e->item == item) {
            xirr_report("Error in VoidPointerHashTable::add(), attempt to add duplicate thing.", 4);
            return false;
        }
    }
    if (depth > crowded_bucket) {
        char message[120];
        std::snprintf(message, sizeof message,
                      "Error in VoidPointerHashTable::add(), found %d things in bucket %d.", depth,
                      static_cast<int>(bucket));
        xirr_report(message, 8);
    }
    entry *e = static_cast<entry *>(std::malloc(sizeof(entry)));
    if (!e)
        return false;
    *e = entry{hash, item, buckets_[bucket]};
    buckets_[bucket] = e;
    entries_++;
    return true;
}

void *VoidPointerHashTable::find(const void *key) const
{
    if (!buckets_)
        return nullptr;
    for (entry *e = buckets_[key_hash_(key) & mask_]; e; e = e->next)
        if (has_key_(e->item, key))
            return e->item;
    return nullptr;
}

bool VoidPointerHashTable::unlink(uint32_t bucket, void *item)
{
    for (entry **link = &buckets_[bucket]; *link; link = &(*link)->next) {
        if ((*link)->item == item) {
            entry *gone = *link;
            *link = gone->next;
            std::free(gone);
            entries_--;
            return true;
        }
    }
    return false;
}

bool VoidPointerHashTable::remove(void *item)
{
    if (!buckets_ || !item)
        return false;
    if (unlink(item_hash_(item) & mask_, item))
        return true;
    // The item's key may have changed since it was added: look everywhere
    // rather than leave a pointer to it behind.
    for (int i = 0; i < bucket_count_; i++)
        if (unlink(static_cast<uint32_t>(i), item))
            return true;
    return false;
}
