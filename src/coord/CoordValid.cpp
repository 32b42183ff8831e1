#include "OvCoordSystem/coord/CoordValid.h"

#include "OvCoordSystem/coord/CoordValidText_p.h"

#include <QTextCodec>

#include <cmath>

using namespace coordtext;

namespace {
// Limits of a value (degrees).
constexpr double kLongitudeLimit = 180.0;
constexpr double kLatitudeLimit = 90.0;
// Largest minutes and seconds (inclusive).
constexpr double kMaxMinutes = 60.0;
constexpr double kMaxSeconds = 60.0;
// Seconds below this magnitude count as 0 (seconds).
constexpr double kZeroSeconds = 1e-7;
// The MIB enum of UTF-8.
constexpr int kUtf8Mib = 106;

// The characters a value may hold: "-0123456789:,，：°″.'′\"NSWE".
bool isAllowed(char16_t c)
{
    if (c >= u'0' && c <= u'9') return true;
    switch (c) {
    case u'-':
    case u':':
    case u',':
    case u'.':
    case u'\'':
    case u'"':
    case u'N':
    case u'S':
    case u'W':
    case u'E':
    case kFullWidthComma:
    case kFullWidthColon:
    case kDegreeSign:
    case kSecondSign:
    case kMinuteSign:
        return true;
    default:
        return false;
    }
}

bool isHemisphere(char16_t c)
{
    return c == u'N' || c == u'S' || c == u'W' || c == u'E';
}

bool hasAllowedCharacters(Text text)
{
    for (const char16_t c : text) {
        if (!isAllowed(c)) return false;
    }
    return true;
}

// The absolute integer part of a number text; infinite when it overflows.
double wholeDegrees(Text number)
{
    return std::trunc(std::fabs(toDouble(number).value));
}

bool secondsInRange(double seconds)
{
    const double s = std::fabs(seconds) < kZeroSeconds ? 0.0 : seconds;
    return s >= 0.0 && s <= kMaxSeconds;
}

bool isValidDecimal(Text text, double limit)
{
    return isNumber(text) && std::fabs(toDouble(text).value) <= limit;
}

// The seconds of a packed tail: two characters of whole seconds, then their decimals.
double packedSeconds(Text seconds)
{
    const Text decimals = seconds.size() > 2 ? seconds.substr(2) : Text();
    ShortText fraction;
    fraction.push(u'0');
    fraction.push(u'.');
    for (const char16_t c : decimals)
        fraction.push(c);
    return shortIntOrZero(seconds.substr(0, 2)) + valueOrZero(fraction.view());
}

bool isValidPacked(Text text, double limit)
{
    if (count(text, u'.') >= 2) return false;
    const Text degreeText = before(text, u'.');
    if (!isNumber(degreeText)) return false;
    const double degrees = wholeDegrees(degreeText);
    if (degrees >= limit) return degrees == limit;
    const Text tail = contains(text, u'.') ? after(text, u'.') : Text(u"00");
    int minutes = 0;
    double seconds = 0.0;
    if (tail.size() < 3) {
        minutes = shortIntOrZero(tail);
    } else {
        const Text minuteText = tail.substr(0, 2);
        const Text secondText = tail.substr(2);
        if (!isNumber(minuteText) || !isNumber(secondText)) return false;
        minutes = shortIntOrZero(minuteText);
        seconds = packedSeconds(secondText);
    }
    return minutes <= kMaxMinutes && secondsInRange(seconds);
}

// SECONDS: the text after the minute sign of DEGREE_SYMBOLS.
bool isValidSymbolSeconds(Text seconds)
{
    bool lettered = false;
    for (const char16_t c : seconds)
        lettered = lettered || isHemisphere(c);
    if (!lettered) {
        if (seconds.empty()) return true;
        ShortText withoutSign;
        for (const char16_t c : seconds) {
            if (c != kSecondSign) withoutSign.push(c);
        }
        return secondsInRange(valueOrZero(withoutSign.view()));
    }
    const char16_t sign = contains(seconds, u'"') ? u'"' : kSecondSign;
    const Text number = before(seconds, sign);
    if (count(seconds, sign) >= 2 || !isNumber(number) || !secondsInRange(toDouble(number).value))
        return false;
    const Text letter = after(seconds, sign);
    return letter.size() == 1 && isHemisphere(letter[0]);
}

bool isValidSymbols(Text text, double limit)
{
    if (count(text, kDegreeSign) >= 2) return false;
    const Text degreeText = before(text, kDegreeSign);
    if (!isNumber(degreeText)) return false;
    const double degrees = wholeDegrees(degreeText);
    if (degrees >= limit) return degrees == limit;
    const Text rest = after(text, kDegreeSign);
    const bool apostrophe = contains(rest, u'\'');
    if (!apostrophe && !contains(rest, kMinuteSign)) return rest.empty();
    const char16_t sign = apostrophe ? u'\'' : kMinuteSign;
    const Text minuteText = before(rest, sign);
    if (count(rest, sign) >= 2 || !isNumber(minuteText)) return false;
    const double minutes = std::trunc(toDouble(minuteText).value);
    if (minutes < 0.0 || minutes > kMaxMinutes) return false;
    return isValidSymbolSeconds(after(rest, sign));
}

// TEXT has its full-width colons replaced already.
bool isValidColons(Text text, double limit)
{
    if (count(text, u':') >= 3) return false;
    Text parts[3] = { Text(u"00"), Text(u"00"), Text(u"00") };
    Text rest = text;
    for (int i = 0; i < 3; ++i) {
        parts[i] = before(rest, u':');
        if (!contains(rest, u':')) break;
        rest = after(rest, u':');
    }
    for (const Text part : parts) {
        if (!isNumber(part)) return false;
    }
    const double degrees = wholeDegrees(parts[0]);
    const double minutes = std::trunc(toDouble(parts[1]).value);
    const double seconds = toDouble(parts[2]).value;
    if (degrees < limit) return minutes <= kMaxMinutes && secondsInRange(seconds);
    return degrees == limit && minutes == 0.0 && std::fabs(seconds) < kZeroSeconds;
}

bool isValidValue(Text text, E_DEGREE_FOARMAT format, E_NUM_LNG_LAT axis)
{
    if (text.empty() || !hasAllowedCharacters(text)) return false;
    const double limit = axis == NUM_LAT ? kLatitudeLimit : kLongitudeLimit;
    if (format == DEGREE_SYMBOLS) return isValidSymbols(text, limit);
    // Every other format ignores the degree sign; colons may be full width.
    ShortText value;
    for (const char16_t c : text) {
        if (c != kDegreeSign) value.push(c == kFullWidthColon ? u':' : c);
    }
    switch (format) {
    case DEGREE_PACKED:
        return isValidPacked(value.view(), limit);
    case DEGREE_COLONS:
        return isValidColons(value.view(), limit);
    default:
        return isValidDecimal(value.view(), limit);
    }
}

// TEXT split into two values as GetLBValue splits it: FORMAT_INVALID when it does not give two.
// The values may view TRIMMED, which must outlive them.
NUM_COORD_FORMAT splitPair(Text text, ShortText& trimmed, Text& first, Text& second)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && QChar::isSpace(text[begin]))
        ++begin;
    while (end > begin && QChar::isSpace(text[end - 1]))
        --end;
    const Text pair = text.substr(begin, end - begin);
    bool comma = false;
    for (const char16_t c : pair)
        comma = comma || c == u',' || c == kFullWidthComma;
    // With a comma the spaces go and the comma splits; without, one space splits.
    const char16_t separator = comma ? u',' : u' ';
    for (const char16_t c : pair) {
        if (comma && c == u' ') continue;
        trimmed.push(c == kFullWidthComma ? u',' : c);
    }
    const Text values = trimmed.view();
    if (count(values, separator) != 1) return FORMAT_INVALID;
    first = before(values, separator);
    second = after(values, separator);
    return FORMAT_LNG_LAT;
}

bool isCoord(Text text, E_NUM_LNG_LAT axis)
{
    if (count(text, kDegreeSign) > 1 || count(text, u'.') > 1 || text.empty()) return false;
    if (text.front() == u'.' || text.back() == u'.' || text.front() == kDegreeSign) return false;
    if (axis != NUM_LNG && axis != NUM_LAT) return false;
    // Not a number reads as 0; an overflowing one as infinity, which fails.
    return std::fabs(toDouble(text).value) <= (axis == NUM_LAT ? kLatitudeLimit : kLongitudeLimit);
}

// The pair axis of the value at POSITION (0 or 1) for the pair order ORDER.
E_NUM_LNG_LAT axisAt(NUM_COORD_FORMAT order, int position)
{
    const bool latitudeFirst = order == FORMAT_LAT_LNG;
    return (position == 0) == latitudeFirst ? NUM_LAT : NUM_LNG;
}

// Whether FIRST and SECOND, split from a pair in the order ORDER, are a valid pair in FORMAT.
bool isValidPair(NUM_COORD_FORMAT order, Text first, Text second, E_DEGREE_FOARMAT format)
{
    return order != FORMAT_INVALID && !first.empty() && !second.empty()
        && isValidValue(first, format, axisAt(order, 0))
        && isValidValue(second, format, axisAt(order, 1));
}

// VALUE in the local 8-bit encoding, the degree toolkit's text.
std::string toLocal8Bit(Text value)
{
    static const bool utf8 = QTextCodec::codecForLocale()->mibEnum() == kUtf8Mib;
    if (!utf8) return toQString(value).toLocal8Bit().toStdString();
    std::string bytes;
    for (const char16_t c : value) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0xD800 || c > 0xDFFF) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            return toQString(value).toLocal8Bit().toStdString();
        }
    }
    return bytes;
}

QString toDecimalDegrees(Text value, E_DEGREE_FOARMAT format)
{
    ShortText kept;
    for (const char16_t c : value) {
        if (format == DEGREE_SYMBOLS || c != kDegreeSign) kept.push(c);
    }
    CEkDegree degree;
    degree.FromFormat(format, toLocal8Bit(kept.view()));
    const std::string decimal = degree.ToString(DEGREE_DECIMAL);
    // Decimal degrees are ASCII in every local encoding.
    return QString::fromLatin1(decimal.data(), static_cast<int>(decimal.size()));
}
} // namespace

CCoordValid* CCoordValid::s_instance = nullptr;

CCoordValid::CCoordValid(QObject* parent)
    : QObject(parent)
{ }

CCoordValid::~CCoordValid()
{
    if (s_instance == this) s_instance = nullptr;
}

CCoordValid* CCoordValid::GetInstance(QObject* parent)
{
    if (!s_instance) s_instance = new CCoordValid(parent);
    return s_instance;
}

QStringList CCoordValid::GetLBValue(const QString& text) const
{
    ShortText trimmed;
    Text first;
    Text second;
    if (splitPair(view(text), trimmed, first, second) == FORMAT_INVALID) return QStringList();
    return { toQString(first), toQString(second) };
}

NUM_COORD_FORMAT CCoordValid::GetCoordFormat(const QString& text) const
{
    ShortText trimmed;
    Text first;
    Text second;
    return splitPair(view(text), trimmed, first, second);
}

bool CCoordValid::IsValid(const QString& text, E_DEGREE_FOARMAT format) const
{
    ShortText trimmed;
    Text first;
    Text second;
    const NUM_COORD_FORMAT order = splitPair(view(text), trimmed, first, second);
    return isValidPair(order, first, second, format);
}

bool CCoordValid::IsValid(const QString& text, E_DEGREE_FOARMAT format, E_NUM_LNG_LAT axis) const
{
    return isValidValue(view(text), format, axis);
}

bool CCoordValid::IsCoord(const QString& text, E_NUM_LNG_LAT axis) const
{
    return isCoord(view(text), axis);
}

bool CCoordValid::GetLB(
    const QString& text, QString& lng, QString& lat, E_DEGREE_FOARMAT format) const
{
    ShortText trimmed;
    Text first;
    Text second;
    const NUM_COORD_FORMAT order = splitPair(view(text), trimmed, first, second);
    if (!isValidPair(order, first, second, format) || !isCoord(first, axisAt(order, 0))
        || !isCoord(second, axisAt(order, 1)))
        return false;
    const QString a = toDecimalDegrees(first, format);
    const QString b = toDecimalDegrees(second, format);
    lng = order == FORMAT_LAT_LNG ? b : a;
    lat = order == FORMAT_LAT_LNG ? a : b;
    return true;
}

bool CCoordValid::IsGoogle(const QString&) const
{
    return false;
}
