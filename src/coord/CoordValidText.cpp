#include "OvCoordSystem/coord/CoordValidText_p.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace coordtext {
namespace {
// Digits that a double holds exactly: up to this many, digits / 10^decimals is one correctly
// rounded division (both operands exact), as in Clinger's fast path.
constexpr size_t kExactDigits = 15;
constexpr double kPowersOfTen[]
    = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15 };
// Longest number text converted on the stack.
constexpr size_t kStackNumber = 128;

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Characters that never occur in a text QString::toDouble or toInt reads: a text holding one
// fails at once, without asking Qt.
bool isNeverNumeric(char16_t c)
{
    switch (c) {
    case kDegreeSign:
    case kMinuteSign:
    case kSecondSign:
    case kFullWidthComma:
    case kFullWidthColon:
    case u':':
    case u',':
    case u'\'':
    case u'"':
    case u'N':
    case u'S':
    case u'W':
        return true;
    default:
        return false;
    }
}

enum class Shape
{
    Plain, // only ASCII digits, "-" and "."
    NeverNumeric, // holds a character no number has
    Other // anything else: Qt decides
};

Shape shapeOf(Text text)
{
    Shape shape = Shape::Plain;
    for (const char16_t c : text) {
        if (isDigit(c) || c == u'-' || c == u'.') continue;
        if (isNeverNumeric(c)) return Shape::NeverNumeric;
        shape = Shape::Other;
    }
    return shape;
}

// A plain text (digits, "-", "."): Qt reads "-?(\d+\.?\d*|\.\d+)", correctly rounded; an overflow
// gives an infinity that did not read, an underflow 0 that did not read.
Reading plainToDouble(Text text)
{
    size_t i = text.empty() || text[0] != u'-' ? 0 : 1;
    const bool negative = i == 1;
    const size_t integerStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const size_t integerDigits = i - integerStart;
    size_t decimals = 0;
    if (i < text.size() && text[i] == u'.') {
        const size_t decimalStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        decimals = i - decimalStart;
    }
    if (i != text.size() || integerDigits + decimals == 0) return {};

    const bool anyNonZero
        = std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= u'1' && c <= u'9'; });
    if (integerDigits + decimals <= kExactDigits) {
        double digits = 0.0;
        for (const char16_t c : text) {
            if (isDigit(c)) digits = digits * 10.0 + (c - u'0');
        }
        const double magnitude = digits / kPowersOfTen[decimals];
        return { negative ? -magnitude : magnitude, true };
    }

    char stack[kStackNumber];
    std::string heap;
    char* ascii = stack;
    if (text.size() > kStackNumber) {
        heap.resize(text.size());
        ascii = heap.data();
    }
    std::transform(
        text.begin(), text.end(), ascii, [](char16_t c) { return static_cast<char>(c); });
    double value = 0.0;
    const auto result = std::from_chars(ascii, ascii + text.size(), value);
    const bool overflow = (result.ec == std::errc::result_out_of_range && integerDigits > 0
                              && std::any_of(text.begin() + integerStart,
                                  text.begin() + integerStart + integerDigits,
                                  [](char16_t c) { return c != u'0'; }))
        || std::isinf(value);
    if (overflow) {
        const double infinity = std::numeric_limits<double>::infinity();
        return { negative ? -infinity : infinity, false };
    }
    if (result.ec != std::errc() || (value == 0.0 && anyNonZero)) return { 0.0, false };
    return { value, true };
}
} // namespace

size_t count(Text text, char16_t c)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), c));
}

Text before(Text text, char16_t c)
{
    return text.substr(0, text.find(c));
}

Text after(Text text, char16_t c)
{
    const size_t at = text.find(c);
    return at == Text::npos ? Text() : text.substr(at + 1);
}

void ShortText::grow()
{
    m_spill.assign(m_data, m_size);
    m_capacity *= 2;
    m_spill.resize(m_capacity);
    m_data = m_spill.data();
}

bool isNumber(Text text)
{
    size_t i = !text.empty() && text[0] == u'-' ? 1 : 0;
    const size_t integerStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == integerStart) return false;
    if (i == text.size()) return true;
    if (text[i] != u'.') return false;
    const size_t decimalStart = ++i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > decimalStart && i == text.size();
}

Reading toDouble(Text text)
{
    switch (shapeOf(text)) {
    case Shape::Plain:
        return plainToDouble(text);
    case Shape::NeverNumeric:
        return {};
    default: {
        bool ok = false;
        const double value = toQString(text).toDouble(&ok);
        return { value, ok };
    }
    }
}

int shortIntOrZero(Text text)
{
    switch (shapeOf(text)) {
    case Shape::Plain: {
        const bool negative = !text.empty() && text[0] == u'-';
        const Text digits = text.substr(negative ? 1 : 0);
        if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit)) return 0;
        int value = 0;
        for (const char16_t c : digits)
            value = value * 10 + (c - u'0');
        return negative ? -value : value;
    }
    case Shape::NeverNumeric:
        return 0;
    default:
        return toQString(text).toInt();
    }
}

} // namespace coordtext
