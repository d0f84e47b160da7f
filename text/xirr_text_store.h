#ifndef SKIFF_TEXT_XIRR_TEXT_STORE_H
#define SKIFF_TEXT_XIRR_TEXT_STORE_H

#include <cstddef>

// Append-only byte store for text that lives until its owner is cleared:
// scrollback chunks and render-list runs.  Copies are bump-allocated from
// large blocks, so a stored run costs its bytes plus the zero and nothing
// else; a single malloc per run would double the memory of short runs.
// Blocks are freed only by reset() and the destructor.  Main thread only.
class xirr_text_store {
public:
    xirr_text_store() = default;
    ~xirr_text_store();
    xirr_text_store(const xirr_text_store &) = delete;
    xirr_text_store &operator=(const xirr_text_store &) = delete;

    // Space for n bytes plus a terminating zero (written by the caller);
    // null only when memory is exhausted.
    char *allocate(size_t n);
    // n bytes aligned for any record (a pointer or a double); null as above.
    void *allocate_record(size_t n);
    // A zero-terminated private copy of n bytes of text; null as above.
    char *copy(const char *text, size_t n);
    // Frees every block: all pointers handed out become invalid.
    void reset();
    // Bytes held in blocks (for the diagnostic fill and tests).
    size_t bytes_reserved() const { return reserved_; }

private:
    struct block;
    block *new_block(size_t size);

    block *blocks_ = nullptr;  // newest first
    char *cursor_ = nullptr;
    size_t left_ = 0;
    size_t reserved_ = 0;
    size_t next_block_size_ = 16 * 1024;
};

#endif
