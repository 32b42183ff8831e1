#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <map>

namespace biff {

// Limits of a BIFF8 worksheet and of its texts.
constexpr int kMaxRows = 65536;
constexpr int kMaxColumns = 256;
constexpr int kMaxTextLength = 32767; // UTF-16 units in one cell
constexpr int kMaxSheetNameLength = 31;

// A cell holds a number, or a text by its index in the workbook's shared-string table. Texts
// are never empty: Excel stores no empty constants, and libfreexl refuses them.
struct Cell
{
    double number = 0.0;
    qint32 textIndex = -1; // >= 0: a text cell
};

// Cells keyed by row << 8 | column, so that iteration runs row by row, left to right, the
// order in which BIFF wants them.
using CellMap = std::map<quint32, Cell>;

inline quint32 cellKey(int row, int column)
{
    return quint32(row) << 8 | quint32(column);
}

struct SheetContent
{
    QString name;
    const CellMap* cells = nullptr;
};

// The "Workbook" stream of a BIFF8 (Excel 97-2003) file: the globals substream (code page
// UTF-16, fonts, cell formats, sheet list, shared strings) and one worksheet substream per sheet.
QByteArray workbookStream(const QVector<SheetContent>& sheets, const QVector<QString>& texts);

} // namespace biff
