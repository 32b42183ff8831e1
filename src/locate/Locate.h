#pragma once

#include "OvCoordSystem/OvGlobal.h"

#include <QString>
#include <QStringList>

// The host's map locator.
class OVCOORD_EXPORT CLocate
{
public:
    // Map-sheet numbers of the national sheet numbering (GB/T 13989): a 1:1,000,000 sheet such
    // as "J50" (row letter A to V, column 01 to 60) or a larger-scale sheet such as "J50D001002"
    // (that sheet, a scale letter B to H, a three-digit row and a three-digit column, both counted
    // from 1 up to the number of sheets per side at that scale). The checks read no member.

    // True when NUMBER is a valid sheet number; upper-case letters only.
    static bool MapsheetRegCheck(const QString& number);
    // PARTS: row letter and column text of a 1:1,000,000 sheet. True when there are exactly two
    // and the column lies in 1 to 60; the letter is not checked.
    static bool BigMapSheetCheck(const QStringList& parts);
    // PARTS: row letter, column text, scale letter, row digits, column digits. True when there are
    // exactly five and row and column lie within the bounds of the scale letter.
    static bool SmallMapSheetCheck(const QStringList& parts);
    // LOW < N < HIGH.
    static bool ContainsNumber(int n, int low, int high);
    // The exclusive bounds of row and column numbers at scale letter SCALE: 0 and one more than the
    // number of sheets per side for B to H, -1 and -1 for any other character.
    static void GetMapSheetRange(char scale, int& low, int& high);
};
