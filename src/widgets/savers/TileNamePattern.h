#pragma once

#include "OvCoordSystem/OvGlobal.h"

#include <QString>
#include <QStringList>

#include <vector>

// How column and row numbers are written. Level numbers are always decimal.
struct TileNumberFormat
{
    bool hexadecimal = false; // six hexadecimal digits, padded with "0"
    bool upperCase = false; // hexadecimal letters in upper case
};

// A custom tile naming pattern and the relative path it gives one tile.
//
// Grammar: a pattern is a sequence of elements, each a literal prefix, "{", a body and "}"; the
// text after the last "}" is a final element with an empty body. The prefix runs to the first
// "{", the body from there to the first "}" (or to the end of the text). A body is a variable
// name, optionally followed by a sign and an offset: a body holding "-" splits at its first "-"
// (sign "-"), otherwise one holding "+" at its first "+" (sign "+"). The names are "z"/"Z"
// (level), "x"/"X" (column) and "y"/"Y" (row). An offset that is empty, not a whole number or
// beyond the 64-bit range counts as 0.
//
// Levels, columns and rows are counted from 1; an element with sign "-" and offset d shows the
// count minus d, any other the count plus d. An element whose name is none of the three shows
// no number.
class OVCOORD_EXPORT CTileNamePattern
{
public:
    explicit CTileNamePattern(const QString& pattern = QString());

    // Parses PATTERN, replacing the elements; each list then has at least three entries (padded
    // with empty texts).
    void Parse(const QString& pattern);

    // One entry per element, in pattern order.
    const QStringList& Names() const { return m_names; }
    const QStringList& Signs() const { return m_signs; }
    const QStringList& Offsets() const { return m_offsets; }
    const QStringList& Prefixes() const { return m_prefixes; }

    bool HasLevel() const; // a name is "z" or "Z"
    bool HasColumn() const; // a name is "x" or "X"
    bool HasRow() const; // a name is "y" or "Y"

    // The relative path of the tile at LEVEL, COLUMN and ROW (each counted from 1): folders
    // first, the file name (ending in SUFFIX) last. Only the first three elements count.
    //  - When the second prefix holds "\" or "/", the first folder is the first prefix and the
    //    level number. When the third prefix also holds one, the second folder is the second
    //    prefix without separators and the second number, and the file the third prefix without
    //    separators, the third number and SUFFIX. Otherwise the file is the second prefix
    //    without separators, the second number, the third prefix, the third number and SUFFIX.
    //  - Otherwise the file name is the three prefixes without separators, each followed by its
    //    number, and SUFFIX; without a column or a row variable the pattern names no file.
    // Empty when the pattern has no level variable or names no file.
    QStringList TilePath(qint64 level, qint64 column, qint64 row, const TileNumberFormat& format,
        const QString& suffix = QStringLiteral(".jpg")) const;

    // The number text of element INDEX for that tile; empty for an element without variable.
    QString ElementNumber(
        int index, qint64 level, qint64 column, qint64 row, const TileNumberFormat& format) const;

private:
    // What an element counts, read once from its name, sign and offset.
    struct Counter
    {
        char variable; // 'z', 'x', 'y', or 0 for none
        bool minus;
        qint64 offset;
    };

    bool HasName(char variable) const;

    QStringList m_names;
    QStringList m_signs;
    QStringList m_offsets;
    QStringList m_prefixes;
    std::vector<Counter> m_counters;
};
