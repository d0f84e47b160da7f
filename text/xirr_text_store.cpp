#include "text/xirr_text_store.h"

#include <cstdlib>
#include <cstdint>
#include <cstring>

struct xirr_text_store::block {
    block *next;
};

namespace {
const size_t store_block_size = 256 * 1024;
// Runs bigger than this get a block of their own, so that one long run does
// not waste the rest of a shared block.
const size_t store_large_run = store_block_size / 8;
}

xirr_text_store::~xirr_text_store()
{
    reset();
}

char *xirr_text_store::allocate(size_t n)
{
    size_t need = n + 1;
    if (need > store_large_run) {
        block *b = static_cast<block *>(malloc(sizeof(block) + need));
        if (!b)
            return nullptr;
        reserved_ += sizeof(block) + need;
        // Keep the current block in front so its free space stays in use.
        if (blocks_) {
            b->next = blocks_->next;
            blocks_->next = b;
        } else {
            b->next = nullptr;
            blocks_ = b;
        }
        return reinterpret_cast<char *>(b + 1);
    }
    if (need > left_) {
        block *b = static_cast<block *>(malloc(store_block_size));
        if (!b)
            return nullptr;
        reserved_ += store_block_size;
        b->next = blocks_;
        blocks_ = b;
        cursor_ = reinterpret_cast<char *>(b + 1);
        left_ = store_block_size - sizeof(block);
    }
    char *p = cursor_;
    cursor_ += need;
    left_ -= need;
    return p;
}

void *xirr_text_store::allocate_record(size_t n)
{
    size_t pad = reinterpret_cast<uintptr_t>(cursor_) & 7;
    pad = pad ? 8 - pad : 0;
    if (pad > left_) {
        left_ = 0;
    } else {
        cursor_ += pad;
        left_ -= pad;
    }
    // A fresh block starts aligned; allocate() reserves one byte for a zero
    // the caller does not need here.
    return allocate(n ? n - 1 : 0);
}

char *xirr_text_store::copy(const char *text, size_t n)
{
    char *p = allocate(n);
    if (!p)
        return nullptr;
    memcpy(p, text, n);
    p[n] = 0;
    return p;
}

void xirr_text_store::reset()
{
    while (blocks_) {
        block *next = blocks_->next;
        free(blocks_);
        blocks_ = next;
    }
    cursor_ = nullptr;
    left_ = 0;
    reserved_ = 0;
}
