#include "text/xirr_text_store.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>

// Every block remembers its size and how it was obtained, so it can be
// given back the same way.
struct xirr_text_store::block {
    block *next;
    size_t size;
    bool mapped;
};

namespace {

// Blocks double from small to large: a display that only ever holds a few
// lines stays small, and a long scrollback gets big blocks.
const size_t first_block_size = 16 * 1024;
const size_t largest_block_size = 1024 * 1024;
// From this size on a block is mapped with its pages faulted in at once:
// touching a fresh block page by page costs far more on a busy machine.
const size_t mapped_block_size = 256 * 1024;
// Runs bigger than this get a block of their own, so that one long run does
// not waste the rest of a shared block.
const size_t store_large_run = 32 * 1024;

} // namespace

xirr_text_store::~xirr_text_store()
{
    reset();
}

xirr_text_store::block *xirr_text_store::new_block(size_t size)
{
    void *memory = nullptr;
    bool mapped = size >= mapped_block_size;
    if (mapped) {
        memory = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (memory == MAP_FAILED)
            memory = nullptr;
    } else {
        memory = malloc(size);
    }
    if (!memory)
        return nullptr;
    block *b = static_cast<block *>(memory);
    b->next = nullptr;
    b->size = size;
    b->mapped = mapped;
    reserved_ += size;
    return b;
}

char *xirr_text_store::allocate(size_t n)
{
    size_t need = n + 1;
    if (need > store_large_run) {
        block *b = new_block(sizeof(block) + need);
        if (!b)
            return nullptr;
        // Keep the current block in front so its free space stays in use.
        if (blocks_) {
            b->next = blocks_->next;
            blocks_->next = b;
        } else {
            blocks_ = b;
        }
        return reinterpret_cast<char *>(b + 1);
    }
    if (need > left_) {
        block *b = new_block(next_block_size_);
        if (!b)
            return nullptr;
        b->next = blocks_;
        blocks_ = b;
        cursor_ = reinterpret_cast<char *>(b + 1);
        left_ = b->size - sizeof(block);
        if (next_block_size_ < largest_block_size)
            next_block_size_ *= 2;
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
        if (blocks_->mapped)
            munmap(blocks_, blocks_->size);
        else
            free(blocks_);
        blocks_ = next;
    }
    cursor_ = nullptr;
    left_ = 0;
    reserved_ = 0;
    next_block_size_ = first_block_size;
}
