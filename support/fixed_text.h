#ifndef SKIFF_SUPPORT_FIXED_TEXT_H
#define SKIFF_SUPPORT_FIXED_TEXT_H

#include <cstddef>

// Fixed-capacity text buffer for file names, messages, payload copies and log
// text: 6000 bytes of storage, so at most 5999 characters plus the zero.
// Every append truncates silently when the buffer is full.
class fixed_text {
public:
    static const int capacity = 6000;

    fixed_text() { clear(); }
    explicit fixed_text(const char *text) { set(text); }

    void clear() { length_ = 0; text_[0] = 0; }
    // Replaces the content; a null text gives "(null)".
    void set(const char *text) { clear(); append(text); }
    // Appends up to the terminating zero or until full; null appends "(null)".
    void append(const char *text);
    // Appends at most n bytes (stopping early at a zero byte).
    void append(const char *text, size_t n);
    // Appends one character; refused (false) when 5999 are already held.
    bool append_char(char c);
    // printf-style append, truncated at the capacity.
    void appendf(const char *format, ...) __attribute__((format(printf, 2, 3)));
    // Replaces the content with the text up to (not including) its first
    // line feed.
    void assign_line(const char *text);

    const char *c_str() const { return text_; }
    int length() const { return length_; }
    bool empty() const { return length_ == 0; }

private:
    int length_;
    char text_[capacity];
};

#endif
