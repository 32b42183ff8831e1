#include "ReferenceCoordValid.h"

#include <QRegExp>

#include <cmath>

// The validator as it was before it stopped using regular expressions and temporary strings.
namespace {
// Limits of a value (degrees).
constexpr double kLongitudeLimit = 180.0;
constexpr double kLatitudeLimit = 90.0;
// Largest minutes and seconds (inclusive).
constexpr double kMaxMinutes = 60.0;
constexpr double kMaxSeconds = 60.0;
// Seconds below this magnitude count as 0 (seconds).
constexpr double kZeroSeconds = 1e-7;

const QString kDegreeSign = QStringLiteral("°");
const QString kMinuteSign = QStringLiteral("′");
const QString kSecondSign = QStringLiteral("″");
const QString kHemispheres = QStringLiteral("NSWE");

// Both patterns are matched against the whole text with QRegExp syntax, as the host's own
// coordinate boxes do. QRegExp keeps match state, so each thread has its own copy.
bool hasAllowedCharacters(const QString& text)
{
    thread_local QRegExp pattern(QStringLiteral("^[-0123456789:,，：°″.'′\"NSWE]*$"));
    return pattern.exactMatch(text);
}

bool isNumber(const QString& text)
{
    thread_local QRegExp pattern(QStringLiteral("^(-?\\d+)|(-?\\d+)(\\.\\d+)$"));
    return pattern.exactMatch(text);
}

// The absolute integer part of a number text; infinite when it overflows.
double wholeDegrees(const QString& number)
{
    return std::trunc(std::fabs(number.toDouble()));
}

bool secondsInRange(double seconds)
{
    const double s = std::fabs(seconds) < kZeroSeconds ? 0.0 : seconds;
    return s >= 0.0 && s <= kMaxSeconds;
}

// A number text, 0 when the text is not one.
double valueOrZero(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0.0;
}

bool isValidDecimal(const QString& text, double limit)
{
    return isNumber(text) && std::fabs(text.toDouble()) <= limit;
}

bool isValidPacked(const QString& text, double limit)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() >= 3 || !isNumber(parts[0])) return false;
    const double degrees = wholeDegrees(parts[0]);
    if (degrees >= limit) return degrees == limit;
    const QString tail = parts.size() == 2 ? parts[1] : QStringLiteral("00");
    int minutes = 0;
    double seconds = 0.0;
    if (tail.size() < 3) {
        minutes = tail.toInt();
    } else {
        const QString minuteText = tail.left(2);
        const QString secondText = tail.mid(2);
        if (!isNumber(minuteText) || !isNumber(secondText)) return false;
        minutes = minuteText.toInt();
        seconds
            = secondText.left(2).toInt() + valueOrZero(QStringLiteral("0.") + secondText.mid(2));
    }
    return minutes <= kMaxMinutes && secondsInRange(seconds);
}

// SECONDS: the text after the minute sign of DEGREE_SYMBOLS.
bool isValidSymbolSeconds(QString seconds)
{
    bool lettered = false;
    for (const QChar letter : kHemispheres)
        lettered = lettered || seconds.contains(letter);
    if (!lettered) {
        if (seconds.isEmpty()) return true;
        seconds.remove(kSecondSign);
        return secondsInRange(valueOrZero(seconds));
    }
    const QStringList parts
        = seconds.split(seconds.contains(QLatin1Char('"')) ? QStringLiteral("\"") : kSecondSign);
    if (parts.size() >= 3 || !isNumber(parts[0]) || !secondsInRange(parts[0].toDouble()))
        return false;
    const QString letter = parts.size() == 2 ? parts[1] : QString();
    return letter.size() == 1 && kHemispheres.contains(letter);
}

bool isValidSymbols(const QString& text, double limit)
{
    const QStringList parts = text.split(kDegreeSign);
    if (parts.size() >= 3 || !isNumber(parts[0])) return false;
    const double degrees = wholeDegrees(parts[0]);
    if (degrees >= limit) return degrees == limit;
    const QString rest = parts.size() == 2 ? parts[1] : QString();
    const bool apostrophe = rest.contains(QLatin1Char('\''));
    if (!apostrophe && !rest.contains(kMinuteSign)) return rest.isEmpty();
    const QStringList minuteParts = rest.split(apostrophe ? QStringLiteral("'") : kMinuteSign);
    if (minuteParts.size() >= 3 || !isNumber(minuteParts[0])) return false;
    const double minutes = std::trunc(minuteParts[0].toDouble());
    if (minutes < 0.0 || minutes > kMaxMinutes) return false;
    return isValidSymbolSeconds(minuteParts.size() == 2 ? minuteParts[1] : QString());
}

bool isValidColons(QString text, double limit)
{
    text.replace(QStringLiteral("："), QStringLiteral(":"));
    QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() >= 4) return false;
    while (parts.size() < 3)
        parts.append(QStringLiteral("00"));
    for (const QString& part : parts) {
        if (!isNumber(part)) return false;
    }
    const double degrees = wholeDegrees(parts[0]);
    const double minutes = std::trunc(parts[1].toDouble());
    const double seconds = parts[2].toDouble();
    if (degrees < limit) return minutes <= kMaxMinutes && secondsInRange(seconds);
    return degrees == limit && minutes == 0.0 && std::fabs(seconds) < kZeroSeconds;
}

// The pair axis of the value at POSITION (0 or 1) for the pair order ORDER.
E_NUM_LNG_LAT axisAt(NUM_COORD_FORMAT order, int position)
{
    const bool latitudeFirst = order == FORMAT_LAT_LNG;
    return (position == 0) == latitudeFirst ? NUM_LAT : NUM_LNG;
}

QString toDecimalDegrees(const QString& value, E_DEGREE_FOARMAT format)
{
    CEkDegree degree;
    degree.FromFormat(format, value.toLocal8Bit().toStdString());
    return QString::fromLocal8Bit(degree.ToString(DEGREE_DECIMAL).c_str());
}
} // namespace

QStringList ReferenceCoordValid::GetLBValue(const QString& text) const
{
    QString pair = text.trimmed();
    pair.replace(QStringLiteral("，"), QStringLiteral(","));
    QStringList parts;
    if (pair.contains(QLatin1Char(','))) {
        pair.remove(QLatin1Char(' '));
        parts = pair.split(QLatin1Char(','));
    } else if (pair.contains(QLatin1Char(' '))) {
        parts = pair.split(QLatin1Char(' '));
    }
    return parts.size() == 2 ? parts : QStringList();
}

NUM_COORD_FORMAT ReferenceCoordValid::GetCoordFormat(const QString& text) const
{
    return GetLBValue(text).size() == 2 ? FORMAT_LNG_LAT : FORMAT_INVALID;
}

bool ReferenceCoordValid::IsValid(const QString& text, E_DEGREE_FOARMAT format) const
{
    const NUM_COORD_FORMAT order = text.isEmpty() ? FORMAT_INVALID : GetCoordFormat(text);
    if (order == FORMAT_INVALID) return false;
    QStringList parts = GetLBValue(text);
    parts.removeAll(QString());
    return parts.size() == 2 && IsValid(parts[0], format, axisAt(order, 0))
        && IsValid(parts[1], format, axisAt(order, 1));
}

bool ReferenceCoordValid::IsValid(
    const QString& text, E_DEGREE_FOARMAT format, E_NUM_LNG_LAT axis) const
{
    if (text.isEmpty() || !hasAllowedCharacters(text)) return false;
    const double limit = axis == NUM_LAT ? kLatitudeLimit : kLongitudeLimit;
    QString value = text;
    if (format != DEGREE_SYMBOLS) value.remove(kDegreeSign);
    switch (format) {
    case DEGREE_PACKED:
        return isValidPacked(value, limit);
    case DEGREE_SYMBOLS:
        return isValidSymbols(value, limit);
    case DEGREE_COLONS:
        return isValidColons(value, limit);
    default:
        return isValidDecimal(value, limit);
    }
}

bool ReferenceCoordValid::IsCoord(const QString& text, E_NUM_LNG_LAT axis) const
{
    if (text.count(kDegreeSign) > 1 || text.count(QLatin1Char('.')) > 1 || text.isEmpty())
        return false;
    if (text.startsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('.'))
        || text.startsWith(kDegreeSign))
        return false;
    if (axis != NUM_LNG && axis != NUM_LAT) return false;
    // Not a number reads as 0; an overflowing one as infinity, which fails.
    return std::fabs(text.toDouble()) <= (axis == NUM_LAT ? kLatitudeLimit : kLongitudeLimit);
}

bool ReferenceCoordValid::GetLB(
    const QString& text, QString& lng, QString& lat, E_DEGREE_FOARMAT format) const
{
    const NUM_COORD_FORMAT order = GetCoordFormat(text);
    if (!IsValid(text, format) || order == FORMAT_INVALID) return false;
    const QStringList parts = GetLBValue(text);
    QString first = parts[0];
    QString second = parts[1];
    if (!IsCoord(first, axisAt(order, 0)) || !IsCoord(second, axisAt(order, 1))) return false;
    if (format != DEGREE_SYMBOLS) {
        first.remove(kDegreeSign);
        second.remove(kDegreeSign);
    }
    first = toDecimalDegrees(first, format);
    second = toDecimalDegrees(second, format);
    lng = order == FORMAT_LAT_LNG ? second : first;
    lat = order == FORMAT_LAT_LNG ? first : second;
    return true;
}
