#include "OvCoordSystem/widgets/savers/TileNamePattern.h"

namespace {
// Every list holds at least this many entries: the level, the column and the row.
constexpr int kMinElements = 3;
constexpr int kHexDigits = 6;

// Counts plus offsets may leave the 64-bit range; they are kept exact.
using Wide = __int128;

QString withoutSeparators(QString text)
{
    text.remove(QLatin1Char('\\'));
    text.remove(QLatin1Char('/'));
    return text;
}

bool hasSeparator(const QString& text)
{
    return text.contains(QLatin1Char('\\')) || text.contains(QLatin1Char('/'));
}

QString wideText(Wide value, int base, bool upperCase, int width)
{
    const char* digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    unsigned __int128 magnitude = value < 0 ? -static_cast<unsigned __int128>(value)
                                            : static_cast<unsigned __int128>(value);
    QString text;
    do {
        text.prepend(QLatin1Char(digits[static_cast<int>(magnitude % base)]));
        magnitude /= base;
    } while (magnitude != 0);
    if (text.size() < width) text.prepend(QString(width - text.size(), QLatin1Char('0')));
    if (value < 0) text.prepend(QLatin1Char('-'));
    return text;
}
} // namespace

CTileNamePattern::CTileNamePattern(const QString& pattern)
{
    Parse(pattern);
}

void CTileNamePattern::Parse(const QString& pattern)
{
    m_names.clear();
    m_signs.clear();
    m_offsets.clear();
    m_prefixes.clear();
    int at = 0;
    while (at < pattern.size()) {
        const int open = pattern.indexOf(QLatin1Char('{'), at);
        if (open < 0) {
            // The text after the last body is an element of its own.
            m_prefixes << pattern.mid(at);
            m_names << QString();
            m_signs << QString();
            m_offsets << QString();
            break;
        }
        const int close = pattern.indexOf(QLatin1Char('}'), open + 1);
        const QString body
            = close < 0 ? pattern.mid(open + 1) : pattern.mid(open + 1, close - open - 1);
        m_prefixes << pattern.mid(at, open - at);
        int split = body.indexOf(QLatin1Char('-'));
        if (split < 0) split = body.indexOf(QLatin1Char('+'));
        if (split < 0) {
            m_names << body;
            m_signs << QString();
            m_offsets << QString();
        } else {
            m_names << body.left(split);
            m_signs << body.mid(split, 1);
            m_offsets << body.mid(split + 1);
        }
        at = close < 0 ? pattern.size() : close + 1;
    }
    for (QStringList* list : { &m_names, &m_signs, &m_offsets, &m_prefixes })
        while (list->size() < kMinElements)
            list->append(QString());
    m_counters.clear();
    for (int i = 0; i < m_names.size(); ++i) {
        const QString& name = m_names.at(i);
        const char lower = name.size() == 1 ? name.at(0).toLower().toLatin1() : 0;
        bool ok = false;
        const qint64 offset = m_offsets.at(i).toLongLong(&ok);
        m_counters.push_back(Counter { lower == 'z' || lower == 'x' || lower == 'y' ? lower : '\0',
            m_signs.at(i) == QLatin1String("-"), ok ? offset : 0 });
    }
}

bool CTileNamePattern::HasName(char variable) const
{
    for (const Counter& counter : m_counters)
        if (counter.variable == variable) return true;
    return false;
}

bool CTileNamePattern::HasLevel() const
{
    return HasName('z');
}

bool CTileNamePattern::HasColumn() const
{
    return HasName('x');
}

bool CTileNamePattern::HasRow() const
{
    return HasName('y');
}

QString CTileNamePattern::ElementNumber(
    int index, qint64 level, qint64 column, qint64 row, const TileNumberFormat& format) const
{
    if (index < 0 || index >= static_cast<int>(m_counters.size())) return QString();
    const Counter& counter = m_counters[index];
    Wide count;
    if (counter.variable == 'z')
        count = level;
    else if (counter.variable == 'x')
        count = column;
    else if (counter.variable == 'y')
        count = row;
    else
        return QString();
    const Wide value = counter.minus ? count - counter.offset : count + counter.offset;
    if (counter.variable == 'z' || !format.hexadecimal) return wideText(value, 10, false, 0);
    return wideText(value, 16, format.upperCase, kHexDigits);
}

QStringList CTileNamePattern::TilePath(qint64 level, qint64 column, qint64 row,
    const TileNumberFormat& format, const QString& suffix) const
{
    if (!HasLevel()) return QStringList();
    QString number[kMinElements];
    for (int i = 0; i < kMinElements; ++i)
        number[i] = ElementNumber(i, level, column, row, format);
    const QString& first = m_prefixes.at(0);
    const QString& second = m_prefixes.at(1);
    const QString& third = m_prefixes.at(2);
    if (hasSeparator(second)) {
        const QString levelFolder = first + number[0];
        if (hasSeparator(third))
            return { levelFolder, withoutSeparators(second) + number[1],
                withoutSeparators(third) + number[2] + suffix };
        return { levelFolder, withoutSeparators(second) + number[1] + third + number[2] + suffix };
    }
    if (!HasColumn() && !HasRow()) return QStringList();
    return { withoutSeparators(first) + number[0] + withoutSeparators(second) + number[1]
        + withoutSeparators(third) + number[2] + suffix };
}
