#include "support/ssl_context.h"

#include <cstdio>

#include <openssl/err.h>

#include "support/debug_log.h"
#include "support/dh_groups.h"

static const char *const cipher_list = "HIGH:@STRENGTH:!aNULL";

static SSL_CTX *the_context = nullptr;
static char verify_chain_file[512];
static char certificate_file[512];
static char private_key_file[512];
static void (*init_hook)(SSL_CTX *) = nullptr;

static void copy_path(char *target, const char *path)
{
    snprintf(target, 512, "%s", path ? path : "");
}

void set_ssl_verify_chain_file(const char *path) { copy_path(verify_chain_file, path); }
void set_ssl_certificate_file(const char *path) { copy_path(certificate_file, path); }
void set_ssl_private_key_file(const char *path) { copy_path(private_key_file, path); }
void set_ssl_init_hook(void (*hook)(SSL_CTX *)) { init_hook = hook; }

SSL_CTX *ssl_context() { return the_context; }

void report_ssl_error_text(int code, int category)
{
    unsigned long error = ERR_peek_last_error();
    char text[256];
    if (error)
        ERR_error_string_n(error, text, sizeof text);
    else
        snprintf(text, sizeof text, "no SSL library error");
    // The queue is per thread; a stale entry would confuse the next
    // SSL_get_error on this thread.
    ERR_clear_error();
    char message[320];
    snprintf(message, sizeof message, "%s - err code %d.", text, code);
    xirr_report(message, category);
}

static bool init_failure(const char *message)
{
    xirr_report(message, 1);
    report_ssl_error_text(0, 1);
    SSL_CTX_free(the_context);
    the_context = nullptr;
    return false;
}

static bool init_failure_with_path(const char *format, const char *path)
{
    char message[700];
    snprintf(message, sizeof message, format, path);
    return init_failure(message);
}

static bool load_optional_files()
{
    if (verify_chain_file[0] && SSL_CTX_load_verify_locations(the_context, verify_chain_file, nullptr) != 1)
        return init_failure_with_path(
            "Error in init_ssl(), unable to load server certificate chain from file '%s'.", verify_chain_file);
    if (certificate_file[0] && SSL_CTX_use_certificate_file(the_context, certificate_file, SSL_FILETYPE_PEM) != 1)
        return init_failure_with_path("Error in init_ssl(), unable to load server certificate from file '%s'.",
                                      certificate_file);
    // SSL_CTX_use_RSAPrivateKey_file is deprecated; the generic loader reads
    // the same PEM RSA keys.
    if (private_key_file[0] && SSL_CTX_use_PrivateKey_file(the_context, private_key_file, SSL_FILETYPE_PEM) != 1)
        return init_failure_with_path("Error in init_ssl(), unable to load server private key from file '%s'.",
                                      private_key_file);
    return true;
}

bool init_ssl()
{
    if (the_context)
        return true;
    OPENSSL_init_ssl(OPENSSL_INIT_LOAD_SSL_STRINGS | OPENSSL_INIT_LOAD_CRYPTO_STRINGS, nullptr);
    const SSL_METHOD *method = TLS_client_method();
    if (!method)
        return init_failure("Error in init_ssl(), unable to allocate method?");
    the_context = SSL_CTX_new(method);
    if (!the_context)
        return init_failure("Error in init_ssl(), unable to allocate context?");
    // SSLv2 no longer exists in the library (SSL_OP_NO_SSLv2 is 0), so this
    // cannot fail.  A peer that closes the TCP connection without a TLS
    // close notification is treated as an orderly close, as game servers
    // commonly just hang up.  The outgoing buffer may be offered again from
    // a different address after a would-block write.
    SSL_CTX_set_options(the_context, SSL_OP_NO_SSLv2 | SSL_OP_IGNORE_UNEXPECTED_EOF);
    SSL_CTX_set_mode(the_context, SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    if (SSL_CTX_set_cipher_list(the_context, cipher_list) != 1)
        return init_failure("Error in init_ssl(), unable to set cipher suite?");
    if (init_hook)
        init_hook(the_context);
    install_tmp_dh_callback(the_context);
    return load_optional_files();
}

void shutdown_ssl()
{
    SSL_CTX_free(the_context);
    the_context = nullptr;
}
