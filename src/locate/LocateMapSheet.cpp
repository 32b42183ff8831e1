#include "OvCoordSystem/locate/Locate.h"

#include <QRegularExpression>

namespace {
// A 1:1,000,000 sheet (3 characters) or a larger-scale sheet (10 characters).
const QRegularExpression& sheetExpression()
{
    static const QRegularExpression expression(
        QStringLiteral("^([A-V])([0-9][0-9])$|^([A-V])([0-9][0-9])([B-H])([0-9]{3})([0-9]{3})$"));
    return expression;
}

bool readDecimal(const QString& text, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok, 10);
    return ok;
}
} // namespace

bool CLocate::MapsheetRegCheck(const QString& number)
{
    const QRegularExpressionMatch match = sheetExpression().match(number);
    // "$" also matches before a final line break; the whole text must be the number.
    if (!match.hasMatch() || match.capturedLength(0) != number.size()) return false;
    if (number.size() == 3) return BigMapSheetCheck({ match.captured(1), match.captured(2) });
    QStringList parts;
    for (int i = 3; i <= 7; ++i)
        parts << match.captured(i);
    return SmallMapSheetCheck(parts);
}

bool CLocate::BigMapSheetCheck(const QStringList& parts)
{
    int column = 0;
    return parts.size() == 2 && readDecimal(parts[1], &column) && column >= 1 && column <= 60;
}

bool CLocate::SmallMapSheetCheck(const QStringList& parts)
{
    if (parts.size() != 5) return false;
    int low = -1;
    int high = -1;
    // A letter outside Latin-1 becomes 0, which has no bounds.
    GetMapSheetRange(parts[2].isEmpty() ? '\0' : parts[2].at(0).toLatin1(), low, high);
    int row = 0;
    int column = 0;
    return readDecimal(parts[3], &row) && readDecimal(parts[4], &column)
        && ContainsNumber(row, low, high) && ContainsNumber(column, low, high);
}

bool CLocate::ContainsNumber(int n, int low, int high)
{
    return low < n && n < high;
}

void CLocate::GetMapSheetRange(char scale, int& low, int& high)
{
    // Sheets per side of a 1:1,000,000 sheet, plus one.
    switch (scale) {
    case 'B':
        high = 3;
        break; // 1:500,000
    case 'C':
        high = 5;
        break; // 1:250,000
    case 'D':
        high = 13;
        break; // 1:100,000
    case 'E':
        high = 25;
        break; // 1:50,000
    case 'F':
        high = 49;
        break; // 1:25,000
    case 'G':
        high = 97;
        break; // 1:10,000
    case 'H':
        high = 193;
        break; // 1:5,000
    default:
        low = -1;
        high = -1;
        return;
    }
    low = 0;
}
