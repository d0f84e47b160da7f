#ifndef SKIFF_SUPPORT_DH_GROUPS_H
#define SKIFF_SUPPORT_DH_GROUPS_H

#include <openssl/ssl.h>

// Temporary Diffie-Hellman groups for DHE handshakes.  Seven built-in
// safe-prime groups (512 to 4096 bits, generator 2), each created on first
// use and kept for the life of the process.  The cache is filled lazily from
// inside handshakes without a lock, as the SSL library calls back.
//
// The callback installed on the SSL context (ssl may be null).  Returns the
// cached group for key_length 512, 768, 1024, 1536, 2048, 3072 or 4096 bits
// (owned by the cache), null for any other length or when the group cannot
// be built (the next request tries again).  Lengths below 1024 are served
// with a warning.
DH *get_tmp_dh_callback(SSL *ssl, int is_export, int key_length);

// Installs get_tmp_dh_callback on a context.
void install_tmp_dh_callback(SSL_CTX *context);

#endif
