// Any bytes as the service's public key file: reading and encrypting with it must fail cleanly
// or give one RSA block.
#include "FuzzText.h"

#include "OvCoordSystem/locate/ShareCrypto_p.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray pem(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const QByteArray encrypted = sharecrypto::rsaPkcs1Encrypt(pem, "0123456789ABCDEF");
    fuzzCheck(encrypted.isEmpty() || encrypted.size() >= 16);
    return 0;
}
