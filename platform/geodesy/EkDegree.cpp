#include "EkDegree.h"

#include <QString>
#include <QStringList>
#include <QTextCodec>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string_view>

namespace {
constexpr double kMinutesPerDegree = 60.0;
constexpr double kSecondsPerDegree = 3600.0;
// Largest minutes and seconds a text may hold (inclusive).
constexpr double kMaxMinutes = 60.0;
constexpr double kMaxSeconds = 60.0;
// Seconds below this magnitude count as 0 (seconds).
constexpr double kZeroSeconds = 1e-7;
// Degrees after which the coordinate validator reads no further (degrees).
constexpr double kLatitudeLimit = 90.0;
constexpr double kLongitudeLimit = 180.0;

// Decimals written: degrees in DEGREE_DECIMAL, seconds in the three sexagesimal formats.
constexpr int kDegreeDecimals = 10;
constexpr int kSecondDecimals = 5;
constexpr qint64 kSecondUnit = 100000; // 10^kSecondDecimals
constexpr qint64 kUnitsPerMinute = 60 * kSecondUnit;
constexpr qint64 kUnitsPerDegree = 3600 * kSecondUnit;

const QString kDegreeSign = QStringLiteral("°");
const QString kMinuteSign = QStringLiteral("′");
const QString kSecondSign = QStringLiteral("″");
const QString kAllowedCharacters = QStringLiteral("-0123456789:,，：°″.'′\"NSWE");

// An optional "-", digits, and optionally "." followed by digits (ASCII digits only).
bool isNumber(const QString& text, bool allowFraction = true)
{
    int i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const int intStart = i;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'))
        ++i;
    if (i == intStart) return false;
    if (i == text.size()) return true;
    if (!allowFraction || text[i] != QLatin1Char('.')) return false;
    const int fracStart = ++i;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'))
        ++i;
    return i > fracStart && i == text.size();
}

// A text known to be a number; infinite when it overflows.
double numberValue(const QString& text)
{
    return text.toDouble();
}

// Any text as a number, 0 when it is not one.
double lenientValue(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0.0;
}

double effectiveSeconds(double seconds)
{
    return std::fabs(seconds) < kZeroSeconds ? 0.0 : seconds;
}

bool secondsInRange(double seconds)
{
    const double s = effectiveSeconds(seconds);
    return s >= 0.0 && s <= kMaxSeconds;
}

// An angle split into its degrees text and the parts that follow. tailRead is false when the
// text after the degrees does not read although the degrees and the layout do.
struct DegreeParts
{
    QString degrees;
    double minutes = 0.0;
    double seconds = 0.0;
    bool negativeHemisphere = false;
    bool tailRead = true;
};

bool readDecimal(QString text, DegreeParts& parts)
{
    text.remove(kDegreeSign);
    parts.degrees = text;
    return isNumber(text);
}

bool readPacked(QString text, DegreeParts& parts)
{
    text.remove(kDegreeSign);
    const QStringList pieces = text.split(QLatin1Char('.'));
    if (pieces.size() > 2 || !isNumber(pieces[0], false)) return false;
    parts.degrees = pieces[0];
    const QString tail = pieces.size() == 2 ? pieces[1] : QStringLiteral("00");
    if (tail.size() < 3) {
        parts.minutes = tail.toInt(); // a short tail is the minutes, 0 when not a number
    } else {
        const QString minutes = tail.left(2);
        const QString seconds = tail.mid(2);
        if (!isNumber(minutes) || !isNumber(seconds)) {
            parts.tailRead = false;
            return true;
        }
        parts.minutes = minutes.toInt();
        parts.seconds
            = seconds.left(2).toInt() + lenientValue(QStringLiteral("0.") + seconds.mid(2));
    }
    parts.tailRead = parts.minutes <= kMaxMinutes && secondsInRange(parts.seconds);
    return true;
}

// The seconds of DEGREE_SYMBOLS: SECONDS is the text after the minute sign.
bool readSymbolSeconds(QString seconds, DegreeParts& parts)
{
    static const QString kHemispheres = QStringLiteral("NSWE");
    bool lettered = false;
    for (const QChar c : kHemispheres)
        lettered = lettered || seconds.contains(c);
    if (!lettered) {
        seconds.remove(kSecondSign);
        parts.seconds = lenientValue(seconds);
        return secondsInRange(parts.seconds);
    }
    const QString sign = seconds.contains(QLatin1Char('"')) ? QStringLiteral("\"") : kSecondSign;
    const QStringList pieces = seconds.split(sign);
    if (pieces.size() != 2 || !isNumber(pieces[0]) || pieces[1].size() != 1
        || !kHemispheres.contains(pieces[1]))
        return false;
    parts.seconds = numberValue(pieces[0]);
    parts.negativeHemisphere = pieces[1] == QLatin1String("S") || pieces[1] == QLatin1String("W");
    return secondsInRange(parts.seconds);
}

bool readSymbols(const QString& text, DegreeParts& parts)
{
    const QStringList pieces = text.split(kDegreeSign);
    if (pieces.size() > 2 || !isNumber(pieces[0])) return false;
    parts.degrees = pieces[0];
    const QString rest = pieces.size() == 2 ? pieces[1] : QString();
    const bool apostrophe = rest.contains(QLatin1Char('\''));
    if (!apostrophe && !rest.contains(kMinuteSign)) {
        parts.tailRead = rest.isEmpty();
        return true;
    }
    const QStringList minutePieces = rest.split(apostrophe ? QStringLiteral("'") : kMinuteSign);
    if (minutePieces.size() > 2 || !isNumber(minutePieces[0])) {
        parts.tailRead = false;
        return true;
    }
    parts.minutes = numberValue(minutePieces[0]);
    const double wholeMinutes = std::trunc(parts.minutes);
    parts.tailRead = wholeMinutes >= 0.0 && wholeMinutes <= kMaxMinutes;
    if (parts.tailRead && minutePieces.size() == 2 && !minutePieces[1].isEmpty())
        parts.tailRead = readSymbolSeconds(minutePieces[1], parts);
    return true;
}

bool readColons(QString text, DegreeParts& parts)
{
    text.replace(QStringLiteral("："), QStringLiteral(":"));
    text.remove(kDegreeSign);
    QStringList pieces = text.split(QLatin1Char(':'));
    if (pieces.size() > 3) return false;
    while (pieces.size() < 3)
        pieces.append(QStringLiteral("00"));
    for (const QString& piece : pieces) {
        if (!isNumber(piece)) return false;
    }
    parts.degrees = pieces[0];
    parts.minutes = numberValue(pieces[1]);
    parts.seconds = numberValue(pieces[2]);
    return std::trunc(parts.minutes) <= kMaxMinutes && secondsInRange(parts.seconds);
}

bool readParts(E_DEGREE_FOARMAT format, const QString& text, DegreeParts& parts)
{
    switch (format) {
    case DEGREE_PACKED:
        return readPacked(text, parts);
    case DEGREE_SYMBOLS:
        return readSymbols(text, parts);
    case DEGREE_COLONS:
        return readColons(text, parts);
    default:
        return readDecimal(text, parts);
    }
}

bool hasOnlyAllowedCharacters(const QString& text)
{
    for (const QChar c : text) {
        if (!kAllowedCharacters.contains(c)) return false;
    }
    return true;
}

QString trimmedDecimal(double degree)
{
    QString text = QString::number(degree, 'f', kDegreeDecimals);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString sexagesimal(E_DEGREE_FOARMAT format, double degree)
{
    const double magnitude = std::fabs(degree);
    double whole = std::trunc(magnitude);
    // Round once, in units of the last written decimal of a second, so that 59.999999″ carries.
    qint64 units = std::llround((magnitude - whole) * kUnitsPerDegree);
    if (units >= kUnitsPerDegree) {
        whole += 1.0;
        units -= kUnitsPerDegree;
    }
    const qint64 minutes = units / kUnitsPerMinute;
    const qint64 seconds = units % kUnitsPerMinute / kSecondUnit;
    QString decimals
        = QStringLiteral("%1").arg(units % kSecondUnit, kSecondDecimals, 10, QLatin1Char('0'));
    while (decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);

    const bool negative = degree < 0.0 && (whole > 0.0 || units > 0);
    const QString degrees
        = (negative ? QStringLiteral("-") : QString()) + QString::number(whole, 'f', 0);
    const QString fraction = decimals.isEmpty() ? QString() : QStringLiteral(".") + decimals;
    switch (format) {
    case DEGREE_PACKED:
        return degrees + QLatin1Char('.') + twoDigits(minutes) + twoDigits(seconds) + decimals;
    case DEGREE_SYMBOLS:
        return degrees + kDegreeSign + twoDigits(minutes) + kMinuteSign + twoDigits(seconds)
            + fraction + kSecondSign;
    default:
        return degrees + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':')
            + twoDigits(seconds) + fraction;
    }
}
constexpr int kUtf8Mib = 106; // QTextCodec's number of UTF-8
constexpr std::string_view kUtf8DegreeSign = "\xC2\xB0"; // °
constexpr std::string_view kUtf8MinuteSign = "\xE2\x80\xB2"; // ′
constexpr std::string_view kUtf8SecondSign = "\xE2\x80\xB3"; // ″
constexpr std::string_view kUtf8FullWidthColon = "\xEF\xBC\x9A"; // ：

// The common texts read without Qt: ASCII numbers in the decimal, packed and colon formats. The
// value is the same as the general reader's (numbers are read correctly rounded, as Qt reads
// them); any other text, or one that would not read, is left to the general reader.
bool plainNumber(std::string_view text, bool fraction, double& value)
{
    size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    const size_t integerStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == integerStart) return false;
    if (i < text.size()) {
        if (!fraction || text[i] != '.') return false;
        const size_t decimalStart = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i == decimalStart || i != text.size()) return false;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && std::isfinite(value);
}

bool allDigits(std::string_view text)
{
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// Digits as an int; at most two of them.
int shortInt(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// A packed tail of digits: minutes, then whole seconds, then their decimals.
bool plainPackedTail(std::string_view tail, double& minutes, double& seconds)
{
    if (!allDigits(tail)) return false;
    if (tail.size() < 3) {
        minutes = shortInt(tail);
        return true;
    }
    minutes = shortInt(tail.substr(0, 2));
    const std::string_view secondText = tail.substr(2);
    seconds = shortInt(secondText.substr(0, 2));
    if (secondText.size() <= 2) return true;
    const std::string decimals = "0." + std::string(secondText.substr(2));
    double fraction = 0.0;
    if (!plainNumber(decimals, true, fraction)) return false;
    seconds += fraction;
    return true;
}

bool localEncodingIsUtf8()
{
    static const bool utf8 = QTextCodec::codecForLocale()->mibEnum() == kUtf8Mib;
    return utf8;
}

// The first ":" of TEXT, or "：" when the local encoding is UTF-8; SIZE is its length in bytes.
size_t nextColon(std::string_view text, size_t& size)
{
    const size_t ascii = text.find(':');
    const size_t fullWidth
        = localEncodingIsUtf8() ? text.find(kUtf8FullWidthColon) : std::string_view::npos;
    size = fullWidth < ascii ? kUtf8FullWidthColon.size() : 1;
    return std::min(ascii, fullWidth);
}

bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// D°, D°M′ or D°M′S″ with an optional hemisphere letter after the seconds, and the same with
// "'" and the double quote, in UTF-8 with ASCII numbers.
bool readPlainSymbols(
    std::string_view text, double& degrees, double& minutes, double& seconds, bool& southOrWest)
{
    const size_t degreeSign = text.find(kUtf8DegreeSign);
    if (degreeSign == std::string_view::npos
        || !plainNumber(text.substr(0, degreeSign), true, degrees))
        return false;
    const std::string_view rest = text.substr(degreeSign + kUtf8DegreeSign.size());
    if (rest.empty()) return true;
    // The apostrophe, when there is one, is the minute sign.
    const std::string_view minuteSign
        = rest.find('\'') != std::string_view::npos ? std::string_view("'") : kUtf8MinuteSign;
    const size_t minuteEnd = rest.find(minuteSign);
    if (minuteEnd == std::string_view::npos
        || !plainNumber(rest.substr(0, minuteEnd), true, minutes) || minutes < 0.0)
        return false;
    std::string_view secondText = rest.substr(minuteEnd + minuteSign.size());
    if (secondText.empty()) return true;
    const char last = secondText.back();
    if (last == 'N' || last == 'S' || last == 'W' || last == 'E') {
        secondText.remove_suffix(1);
        southOrWest = last == 'S' || last == 'W';
        // A double quote anywhere is the second sign, else "″".
        const std::string_view secondSign = secondText.find('"') != std::string_view::npos
            ? std::string_view("\"")
            : kUtf8SecondSign;
        if (!endsWith(secondText, secondSign)) return false;
        secondText.remove_suffix(secondSign.size());
    } else if (endsWith(secondText, kUtf8SecondSign)) {
        // Without a letter only "″" is a sign (a double quote makes the seconds 0).
        secondText.remove_suffix(kUtf8SecondSign.size());
    }
    return plainNumber(secondText, true, seconds);
}

// The degrees, minutes and seconds of a plain TEXT, and whether a hemisphere letter makes it
// negative; false when the general reader must decide.
bool readPlain(E_DEGREE_FOARMAT format, std::string_view text, double& degrees, double& minutes,
    double& seconds, bool& southOrWest)
{
    minutes = 0.0;
    seconds = 0.0;
    southOrWest = false;
    switch (format) {
    case DEGREE_SYMBOLS:
        if (!localEncodingIsUtf8()
            || !readPlainSymbols(text, degrees, minutes, seconds, southOrWest))
            return false;
        break;
    case DEGREE_PACKED: {
        const size_t dot = text.find('.');
        if (!plainNumber(text.substr(0, dot), false, degrees)) return false;
        if (dot != std::string_view::npos
            && !plainPackedTail(text.substr(dot + 1), minutes, seconds))
            return false;
        break;
    }
    case DEGREE_COLONS: {
        double* const values[3] = { &degrees, &minutes, &seconds };
        std::string_view rest = text;
        for (int i = 0; i < 3; ++i) {
            size_t colonSize = 0;
            const size_t colon = nextColon(rest, colonSize);
            if (!plainNumber(rest.substr(0, colon), true, *values[i])) return false;
            if (colon == std::string_view::npos) break;
            if (i == 2) return false;
            rest = rest.substr(colon + colonSize);
        }
        break;
    }
    default:
        return plainNumber(text, true, degrees);
    }
    // Minutes compare by their integer part.
    return std::trunc(minutes) <= kMaxMinutes && secondsInRange(seconds);
}

// The angle of DEGREES (its sign given apart, as "-0" counts), MINUTES and SECONDS; false when
// it is not finite.
bool combine(double degrees, bool negative, double minutes, double seconds, double& angle)
{
    const double magnitude = std::fabs(degrees) + minutes / kMinutesPerDegree
        + effectiveSeconds(seconds) / kSecondsPerDegree;
    if (!std::isfinite(magnitude)) return false;
    angle = negative ? -magnitude : magnitude;
    return true;
}
} // namespace

CEkDegree::CEkDegree(double degree)
    : m_degree(degree)
{ }

void CEkDegree::SetDegree(double degree)
{
    m_degree = degree;
}

double CEkDegree::GetDegree() const
{
    return m_degree;
}

bool CEkDegree::FromFormat(E_DEGREE_FOARMAT format, const std::string& text)
{
    double degrees = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
    bool southOrWest = false;
    if (readPlain(format, text, degrees, minutes, seconds, southOrWest)) {
        const bool negative = (!text.empty() && text[0] == '-') || southOrWest;
        return combine(degrees, negative, minutes, seconds, m_degree);
    }

    if (text.size() > static_cast<size_t>(INT_MAX)) return false;
    const QString decoded = QString::fromLocal8Bit(text.data(), static_cast<int>(text.size()));
    DegreeParts parts;
    if (!hasOnlyAllowedCharacters(decoded) || !readParts(format, decoded, parts)) return false;
    degrees = numberValue(parts.degrees);
    if (!parts.tailRead) {
        const double whole = std::trunc(std::fabs(degrees));
        if (whole != kLatitudeLimit && whole != kLongitudeLimit) return false;
        parts.minutes = 0.0;
        parts.seconds = 0.0;
    }
    const bool negative = parts.degrees.startsWith(QLatin1Char('-')) || parts.negativeHemisphere;
    return combine(degrees, negative, parts.minutes, parts.seconds, m_degree);
}

std::string CEkDegree::ToString(E_DEGREE_FOARMAT format) const
{
    if (!std::isfinite(m_degree)) return std::string();
    const QString text
        = format == DEGREE_PACKED || format == DEGREE_SYMBOLS || format == DEGREE_COLONS
        ? sexagesimal(format, m_degree)
        : trimmedDecimal(m_degree);
    return text.toLocal8Bit().toStdString();
}
