#include "tools/lib/self_signed_cert.h"

#include <cstdio>
#include <mutex>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

namespace {

std::mutex identity_mutex;
EVP_PKEY *shared_key = nullptr;
X509 *shared_cert = nullptr;

X509 *make_cert(EVP_PKEY *key)
{
    X509 *cert = X509_new();
    if (!cert)
        return nullptr;
    X509_set_version(cert, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
    X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert), 3600L * 24 * 365);
    X509_set_pubkey(cert, key);
    X509_NAME *name = X509_get_subject_name(cert);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, (const unsigned char *)"localhost", -1, -1, 0);
    X509_set_issuer_name(cert, name);
    if (!X509_sign(cert, key, EVP_sha256())) {
        X509_free(cert);
        return nullptr;
    }
    return cert;
}

bool make_identity()
{
    std::lock_guard<std::mutex> lock(identity_mutex);
    if (shared_cert)
        return true;
    if (!shared_key)
        shared_key = EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256");
    if (shared_key)
        shared_cert = make_cert(shared_key);
    return shared_cert != nullptr;
}

} // namespace

SSL_CTX *make_self_signed_server_context()
{
    if (!make_identity())
        return nullptr;
    SSL_CTX *context = SSL_CTX_new(TLS_server_method());
    if (!context)
        return nullptr;
    if (SSL_CTX_use_certificate(context, shared_cert) != 1 || SSL_CTX_use_PrivateKey(context, shared_key) != 1) {
        SSL_CTX_free(context);
        return nullptr;
    }
    return context;
}

bool write_self_signed_pem(const char *cert_path, const char *key_path)
{
    if (!make_identity())
        return false;
    FILE *cert_file = fopen(cert_path, "w");
    FILE *key_file = fopen(key_path, "w");
    bool ok = cert_file && key_file && PEM_write_X509(cert_file, shared_cert) &&
              PEM_write_PrivateKey(key_file, shared_key, nullptr, nullptr, 0, nullptr, nullptr);
    if (cert_file)
        ok = fclose(cert_file) == 0 && ok;
    if (key_file)
        ok = fclose(key_file) == 0 && ok;
    return ok;
}
