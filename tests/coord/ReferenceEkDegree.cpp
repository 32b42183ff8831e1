#include "ReferenceEkDegree.h"

#include "OvCoordSystem/geodesy/EkDegree.h"

#include <QString>
#include <QStringList>

#include <climits>
#include <cmath>

// The degree reader as it was before it read common texts without Qt.
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

} // namespace

bool ReferenceEkDegree::FromFormat(E_DEGREE_FOARMAT format, const std::string& text)
{
    if (text.size() > static_cast<size_t>(INT_MAX)) return false;
    const QString decoded = QString::fromLocal8Bit(text.data(), static_cast<int>(text.size()));
    DegreeParts parts;
    if (!hasOnlyAllowedCharacters(decoded) || !readParts(format, decoded, parts)) return false;
    const double degrees = numberValue(parts.degrees);
    if (!parts.tailRead) {
        const double whole = std::trunc(std::fabs(degrees));
        if (whole != kLatitudeLimit && whole != kLongitudeLimit) return false;
        parts.minutes = 0.0;
        parts.seconds = 0.0;
    }
    const double magnitude = std::fabs(degrees) + parts.minutes / kMinutesPerDegree
        + effectiveSeconds(parts.seconds) / kSecondsPerDegree;
    if (!std::isfinite(magnitude)) return false;
    const bool negative = parts.degrees.startsWith(QLatin1Char('-')) || parts.negativeHemisphere;
    m_degree = negative ? -magnitude : magnitude;
    return true;
}
