#ifndef SKIFF_PROTOCOL_XIRR_OUTGOING_BUFFER_H
#define SKIFF_PROTOCOL_XIRR_OUTGOING_BUFFER_H

// The bytes waiting to go to the game server: a fixed 10000-byte buffer
// that never grows.  Main thread only.
class xirr_outgoing_buffer {
public:
    static const int capacity = 10000;

    // Appends up to length bytes, as many as fit; returns the count stored.
    int append(const char *bytes, int length);
    // Removes the first count bytes; the rest moves to the front in order.
    void consume(int count);
    void clear() { used_ = 0; }

    const char *data() const { return bytes_; }
    int length() const { return used_; }
    int space() const { return capacity - used_; }

private:
    char bytes_[capacity];
    int used_ = 0;
};

#endif
