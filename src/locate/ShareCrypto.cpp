#include "OvCoordSystem/locate/ShareCrypto_p.h"

#include <QUuid>

#include <openssl/bio.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <memory>

namespace sharecrypto {
namespace {

template <class T, void (*Free)(T*)> struct Deleter
{
    void operator()(T* p) const { Free(p); }
};
using CipherCtx = std::unique_ptr<EVP_CIPHER_CTX, Deleter<EVP_CIPHER_CTX, EVP_CIPHER_CTX_free>>;
using PKey = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using PKeyCtx = std::unique_ptr<EVP_PKEY_CTX, Deleter<EVP_PKEY_CTX, EVP_PKEY_CTX_free>>;
using Bio = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;

} // namespace

QByteArray makeRequestKey()
{
    return QUuid::createUuid().toRfc4122().toHex().left(kAesBlock_bytes).toUpper();
}

QByteArray aes128Ecb(const QByteArray& key, const QByteArray& data, bool encrypt)
{
    if (key.size() != kAesBlock_bytes) return QByteArray();
    QByteArray input = data;
    const int fill = (kAesBlock_bytes - input.size() % kAesBlock_bytes) % kAesBlock_bytes;
    input.append(fill, '\0');

    CipherCtx ctx(EVP_CIPHER_CTX_new());
    if (!ctx
        || EVP_CipherInit_ex(ctx.get(), EVP_aes_128_ecb(), nullptr,
               reinterpret_cast<const unsigned char*>(key.constData()), nullptr, encrypt ? 1 : 0)
            != 1
        || EVP_CIPHER_CTX_set_padding(ctx.get(), 0) != 1)
        return QByteArray();
    QByteArray output(input.size() + kAesBlock_bytes, '\0');
    int written = 0;
    int last = 0;
    if (EVP_CipherUpdate(ctx.get(), reinterpret_cast<unsigned char*>(output.data()), &written,
            reinterpret_cast<const unsigned char*>(input.constData()), input.size())
            != 1
        || EVP_CipherFinal_ex(
               ctx.get(), reinterpret_cast<unsigned char*>(output.data()) + written, &last)
            != 1)
        return QByteArray();
    output.truncate(written + last);
    return output;
}

QByteArray rsaPkcs1Encrypt(const QByteArray& pem, const QByteArray& data)
{
    Bio bio(BIO_new_mem_buf(pem.constData(), pem.size()));
    if (!bio) return QByteArray();
    // Reads "PUBLIC KEY" and "RSA PUBLIC KEY" blocks alike.
    const PKey key(PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr));
    if (!key || EVP_PKEY_get_base_id(key.get()) != EVP_PKEY_RSA) return QByteArray();
    PKeyCtx ctx(EVP_PKEY_CTX_new_from_pkey(nullptr, key.get(), nullptr));
    size_t size = 0;
    const auto* in = reinterpret_cast<const unsigned char*>(data.constData());
    if (!ctx || EVP_PKEY_encrypt_init(ctx.get()) != 1
        || EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1
        || EVP_PKEY_encrypt(ctx.get(), nullptr, &size, in, data.size()) != 1)
        return QByteArray();
    QByteArray output(static_cast<int>(size), '\0');
    if (EVP_PKEY_encrypt(
            ctx.get(), reinterpret_cast<unsigned char*>(output.data()), &size, in, data.size())
        != 1)
        return QByteArray();
    output.truncate(static_cast<int>(size));
    return output;
}

void releaseThreadState()
{
    OPENSSL_thread_stop();
}

} // namespace sharecrypto
