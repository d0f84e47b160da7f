#include "protocol/xirr_outgoing_buffer.h"

#include <cstring>

int xirr_outgoing_buffer::append(const char *bytes, int length)
{
    if (!bytes || length <= 0)
        return 0;
    int count = length < space() ? length : space();
    memcpy(bytes_ + used_, bytes, (size_t)count);
    used_ += count;
    return count;
}

void xirr_outgoing_buffer::consume(int count)
{
    if (count <= 0)
        return;
    if (count >= used_) {
        used_ = 0;
        return;
    }
    memmove(bytes_, bytes_ + count, (size_t)(used_ - count));
    used_ -= count;
}
