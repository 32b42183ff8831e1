#pragma once

#include <QByteArray>

// The ciphers of the share-link exchange, on OpenSSL's EVP interface. Every function is safe on
// any input and reports failure by an empty result.
namespace sharecrypto {

constexpr int kAesBlock_bytes = 16;

// A fresh request key: a random UUID's 32 hexadecimal digits, its first 16 in upper case. The
// key bytes are those 16 characters.
QByteArray makeRequestKey();

// AES-128 in ECB mode over whole 16-byte blocks; a final partial block is zero-filled to 16
// bytes and processed too, and no block is added, so the result is data's length rounded up to
// 16. Both directions work alike. Empty when key is not 16 bytes or the cipher fails.
QByteArray aes128Ecb(const QByteArray& key, const QByteArray& data, bool encrypt);

// data encrypted with the RSA public key in pem (SubjectPublicKeyInfo or PKCS #1 form) with
// PKCS #1 version 1.5 padding. Empty when the key cannot be read, is not RSA, or data is too
// long for it.
QByteArray rsaPkcs1Encrypt(const QByteArray& pem, const QByteArray& data);

// Frees what OpenSSL keeps for the calling thread. A worker thread calls it before it ends, so
// that nothing of it is left when the process exits right after the thread.
void releaseThreadState();

} // namespace sharecrypto
