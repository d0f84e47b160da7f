#ifndef SKIFF_TOOLS_LIB_SELF_SIGNED_CERT_H
#define SKIFF_TOOLS_LIB_SELF_SIGNED_CERT_H

#include <openssl/ssl.h>

// A TLS server context with a self-signed certificate for "localhost" made
// in memory (P-256 key).  The key and certificate are made once per process
// and shared; each call returns a new context the caller frees.  Null on
// failure.  Any thread may call.
SSL_CTX *make_self_signed_server_context();

// Writes the shared certificate and key as PEM files; false on failure.
bool write_self_signed_pem(const char *cert_path, const char *key_path);

#endif
