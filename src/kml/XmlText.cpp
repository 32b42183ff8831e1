#include "OvCoordSystem/kml/XmlText_p.h"

#include <charconv>

namespace xmltext {

namespace {
// Longest fixed-notation double: 309 integer digits, sign, point and up to 20 decimals.
constexpr int kNumberBuffer = 340;
// Decimals of a float and of a double in a document.
constexpr int kFloatDecimals = 6;
constexpr int kDoubleDecimals = 9;
} // namespace

void appendFixed(std::string& text, double value, int decimals)
{
    char buffer[kNumberBuffer];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    text.append(buffer, result.ptr);
}

std::string formatFixed(double value, int decimals)
{
    std::string text;
    appendFixed(text, value, decimals);
    return text;
}

std::string formatNumber(int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string formatNumber(float value)
{
    return formatFixed(value, kFloatDecimals);
}

std::string formatNumber(double value)
{
    return formatFixed(value, kDoubleDecimals);
}

bool isUtf8(const std::string& text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char c = *p++;
        if (c < 0x80) continue;
        int more;
        unsigned char low = 0x80, high = 0xBF; // range of the first continuation byte
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - p < more || *p < low || *p > high) return false;
        for (++p, --more; more > 0; --more, ++p) {
            if (*p < 0x80 || *p > 0xBF) return false;
        }
    }
    return true;
}

void appendEscaped(std::string& text, const char* value, size_t size)
{
    static const char kHex[] = "0123456789ABCDEF";
    const char* run = value; // start of the bytes copied unchanged
    const char* const end = value + size;
    for (const char* p = value; p < end; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        const char* entity = nullptr;
        switch (c) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        case '"':
            entity = "&quot;";
            break;
        case '\'':
            entity = "&apos;";
            break;
        default:
            if (c >= 32) continue;
        }
        text.append(run, p);
        run = p + 1;
        if (entity) {
            text.append(entity);
        } else {
            const char reference[] = { '&', '#', 'x', kHex[c >> 4], kHex[c & 0xf], ';' };
            text.append(reference, sizeof reference);
        }
    }
    text.append(run, end);
}

} // namespace xmltext
