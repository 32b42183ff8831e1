#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Fuzz bytes as text: UTF-8 (invalid bytes become U+FFFD) or, when UTF16 is set, raw UTF-16
// code units, which also reach lone surrogates.
inline QString fuzzText(const uint8_t* data, size_t size, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QString text;
    text.reserve(static_cast<int>(size / 2));
    for (size_t i = 0; i + 1 < size; i += 2)
        text.append(QChar(static_cast<ushort>(data[i] | data[i + 1] << 8)));
    return text;
}

// A broken invariant is a crash the fuzzer reports.
inline void fuzzCheck(bool condition)
{
    if (!condition) std::abort();
}
