#ifndef SKIFF_SUPPORT_SSL_CONTEXT_H
#define SKIFF_SUPPORT_SSL_CONTEXT_H

#include <openssl/ssl.h>

// The process-wide SSL client context shared by every socket and thread.

// Creates the context.  Call once on the main thread before any socket or
// worker thread exists.  False (after reporting with category 1) on failure.
bool init_ssl();

// The context made by init_ssl, or null.
SSL_CTX *ssl_context();

// Frees the context (tests only; no socket may still use it).
void shutdown_ssl();

// Optional files loaded by init_ssl; each holds up to 511 characters, null
// means none.  Nothing in the client sets them.
void set_ssl_verify_chain_file(const char *path);
void set_ssl_certificate_file(const char *path);
void set_ssl_private_key_file(const char *path);

// Optional hook called by init_ssl before the DH callback is installed.
void set_ssl_init_hook(void (*hook)(SSL_CTX *context));

// Reports the SSL library's text for its most recent error as
// "%s - err code %d." and empties the thread's error queue.  Sockets report
// it as a connection note (0x100); a failing init_ssl with its own message's
// category (1).
void report_ssl_error_text(int code, int category = 0x100);

#endif
