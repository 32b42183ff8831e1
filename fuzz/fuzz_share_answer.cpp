// The share service's answer as it arrives: any bytes through the hexadecimal check, the AES
// decryption and the JSON reading. A code other than 0, 1 or 2, or texts with a failure, are
// faults; so is any crash.
#include "FuzzText.h"

#include "OvCoordSystem/locate/LocateThread_p.h"
#include "OvCoordSystem/locate/ShareCrypto_p.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray key = "0123456789ABCDEF";
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const shareexchange::ShareAnswer answer = shareexchange::decodeShareAnswer(bytes, key);
    fuzzCheck(answer.code >= 0 && answer.code <= 2);
    fuzzCheck(answer.code == 0 || (answer.url.isEmpty() && answer.password.isEmpty()));
    // The same bytes as the decrypted JSON, to reach the JSON reading directly.
    const QByteArray hex = sharecrypto::aes128Ecb(key, bytes, true).toHex();
    const shareexchange::ShareAnswer direct = shareexchange::decodeShareAnswer(hex, key);
    fuzzCheck(direct.code >= 0 && direct.code <= 2);
    shareexchange::publicKeyOfAnswer(bytes);
    return 0;
}
