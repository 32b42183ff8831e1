// The map-sheet checks on any text. Besides crashes it compares MapsheetRegCheck with a plain
// reading of the numbering, and feeds the part checks lists of any length and content.
#include "FuzzText.h"

#include "OvCoordSystem/locate/Locate.h"

namespace {
bool asciiDigits(const QString& text, int from, int count)
{
    for (int i = from; i < from + count; ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')) return false;
    return true;
}

// Sheets per side for scale letters B to H, 0 for anything else.
int perSide(QChar scale)
{
    const int sides[] = { 2, 4, 12, 24, 48, 96, 192 };
    return scale >= QLatin1Char('B') && scale <= QLatin1Char('H') ? sides[scale.unicode() - 'B']
                                                                  : 0;
}

bool expectedValid(const QString& number)
{
    if (number.size() != 3 && number.size() != 10) return false;
    if (number[0] < QLatin1Char('A') || number[0] > QLatin1Char('V') || !asciiDigits(number, 1, 2))
        return false;
    if (number.size() == 3) {
        const int column = number.mid(1, 2).toInt();
        return column >= 1 && column <= 60;
    }
    const int n = perSide(number[3]);
    if (n == 0 || !asciiDigits(number, 4, 6)) return false;
    const int row = number.mid(4, 3).toInt();
    const int column = number.mid(7, 3).toInt();
    return row >= 1 && row <= n && column >= 1 && column <= n;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const QString text = fuzzText(data + 1, size - 1, data[0] & 1);
    fuzzCheck(CLocate::MapsheetRegCheck(text) == expectedValid(text));

    const QStringList parts = text.split(QLatin1Char('|'));
    CLocate::BigMapSheetCheck(parts);
    CLocate::SmallMapSheetCheck(parts);

    int low = 0;
    int high = 0;
    CLocate::GetMapSheetRange(static_cast<char>(data[0]), low, high);
    fuzzCheck((low == -1 && high == -1) || (low == 0 && high >= 3));
    return 0;
}
