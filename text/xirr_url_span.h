#ifndef SKIFF_TEXT_XIRR_URL_SPAN_H
#define SKIFF_TEXT_XIRR_URL_SPAN_H

// Finds the URL around byte `offset` of a display row's text (length bytes).
// True with *start and *end (both inclusive) when the byte belongs to
// something that looks like a link: sentence punctuation and brackets around
// it are trimmed (a closing bracket only when its opening one was trimmed at
// the front), and a word with an @ but no scheme is not a link.  Any thread.
bool find_url_span(const char *text, int length, int offset, int *start, int *end);

// Whether a candidate (length bytes) looks like a URL: a scheme or "www."
// prefix, or a host-like ".ab"/".abcd" ending optionally followed by a port
// and a path.
bool looks_like_url(const char *text, int length);

#endif
