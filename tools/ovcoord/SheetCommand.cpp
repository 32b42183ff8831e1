#include "Command.h"
#include "MapSheetLayout.h"

#include "OvCoordSystem/locate/Locate.h"

#include <cmath>

// ovcoord sheet NUMBER...
// ovcoord sheet --at LNG,LAT [--scale LETTER]
//
// Validity is the library's (CLocate::MapsheetRegCheck). The extents go beyond it, by the sheet
// layout of GB/T 13989: 1:1,000,000 sheets of 6° x 4°, rows A to V counted from the equator,
// columns 1 to 60 from 180° W; a larger scale divides such a sheet into n x n sheets, rows counted
// from the north and columns from the west. Only the northern hemisphere up to 88° N is numbered
// here: the standard marks southern sheets with a hemisphere prefix the library does not read.
namespace {
const char kName[] = "sheet";
const int kRowLetters = 22; // A to V

struct Scale
{
    char letter;
    const char* name;
};
const Scale kScales[]
    = { { 'A', "1:1,000,000" }, { 'B', "1:500,000" }, { 'C', "1:250,000" }, { 'D', "1:100,000" },
          { 'E', "1:50,000" }, { 'F', "1:25,000" }, { 'G', "1:10,000" }, { 'H', "1:5,000" } };

const Scale* findScale(QChar letter)
{
    for (const Scale& scale : kScales)
        if (letter == QLatin1Char(scale.letter)) return &scale;
    return nullptr;
}

QString degrees(double value)
{
    QString text = QString::number(value, 'f', 10);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// West, south, east, north in degrees.
QString extentText(const MapSheet& sheet)
{
    double west = 0.0, south = 0.0, east = 0.0, north = 0.0;
    MapSheetBounds(sheet, west, south, east, north);
    return QStringLiteral("west %1 south %2 east %3 north %4")
        .arg(degrees(west), degrees(south), degrees(east), degrees(north));
}

QString sheetNumber(const MapSheet& sheet)
{
    QString number = QStringLiteral("%1%2")
                         .arg(QLatin1Char(static_cast<char>('A' + sheet.millionRow)))
                         .arg(sheet.millionColumn, 2, 10, QLatin1Char('0'));
    if (sheet.scale != 'A')
        number += QStringLiteral("%1%2%3")
                      .arg(QLatin1Char(sheet.scale))
                      .arg(sheet.row, 3, 10, QLatin1Char('0'))
                      .arg(sheet.column, 3, 10, QLatin1Char('0'));
    return number;
}

// True when NUMBER holds COUNT ASCII digits from FROM on.
bool hasDigits(const QString& number, int from, int count)
{
    for (int i = from; i < from + count; ++i)
        if (i >= number.size() || number[i] < QLatin1Char('0') || number[i] > QLatin1Char('9'))
            return false;
    return true;
}

// Why the library refuses NUMBER, as far as the tool can tell.
QString refusal(const QString& number)
{
    if (number != number.toUpper() && CLocate::MapsheetRegCheck(number.toUpper()))
        return QStringLiteral("letters must be upper case");
    const bool million = (number.size() == 3 || number.size() == 10)
        && number[0] >= QLatin1Char('A') && number[0] <= QLatin1Char('V')
        && hasDigits(number, 1, 2);
    if (million && number.size() == 3)
        return QStringLiteral("column %1 is outside 1 to 60").arg(number.mid(1, 2).toInt());
    const Scale* scale = number.size() == 10 ? findScale(number[3]) : nullptr;
    if (!million || !scale || scale->letter == 'A' || !hasDigits(number, 4, 6))
        return QStringLiteral("not a sheet number (a row letter A to V and a two-digit column, "
                              "optionally followed by a scale letter B to H, a three-digit row "
                              "and a three-digit column)");
    const int n = MapSheetsPerSide(scale->letter);
    const int row = number.mid(4, 3).toInt();
    const bool rowOutside = row < 1 || row > n;
    return QStringLiteral("%1 %2 is outside 1 to %3 at scale %4 (%5)")
        .arg(rowOutside ? QStringLiteral("row") : QStringLiteral("column"))
        .arg(rowOutside ? row : number.mid(7, 3).toInt())
        .arg(n)
        .arg(QLatin1Char(scale->letter))
        .arg(QLatin1String(scale->name));
}

// One line about NUMBER; true when the library accepts it.
bool describe(const QString& number)
{
    if (!CLocate::MapsheetRegCheck(number)) {
        out() << number << ": invalid: " << refusal(number) << "\n";
        return false;
    }
    const Scale* scale = findScale(number.size() == 3 ? QLatin1Char('A') : number[3]);
    out() << number << ": valid, " << scale->name << ", ";
    MapSheet sheet;
    // The library checks the 1:1,000,000 column only in a 1:1,000,000 number.
    if (!ParseMapSheet(number, sheet))
        out() << "no extent: its 1:1,000,000 column " << number.mid(1, 2).toInt()
              << " is outside 1 to 60\n";
    else
        out() << extentText(sheet) << "\n";
    return true;
}

// The sheet holding LNG, LAT (degrees) at SCALE, or a reason on standard error. Points on a sheet
// edge belong to the sheet east and north of it; 180° E is 180° W.
int locate(double lng, double lat, const Scale& scale)
{
    if (!(lng >= -180.0 && lng <= 180.0 && lat >= -90.0 && lat <= 90.0)) {
        err() << "ovcoord sheet: " << lng << "," << lat << " is no longitude,latitude\n";
        err().flush();
        return ExitFailure;
    }
    if (lat < 0.0 || lat >= kRowLetters * kMillionSheetHeight_deg) {
        err() << "ovcoord sheet: " << lng << "," << lat << " lies outside 0 to 88 degrees north; "
              << "sheets there have no number of rows A to V (the standard numbers southern "
                 "sheets with a hemisphere prefix)\n";
        err().flush();
        return ExitFailure;
    }
    if (lng == 180.0) lng = -180.0;
    const int n = MapSheetsPerSide(scale.letter);
    const int column = static_cast<int>(std::floor((lng + 180.0) * n / kMillionSheetWidth_deg));
    const int row = static_cast<int>(std::floor(lat * n / kMillionSheetHeight_deg));
    MapSheet sheet;
    sheet.scale = scale.letter;
    sheet.millionRow = row / n;
    sheet.millionColumn = column / n + 1;
    sheet.row = n - row % n;
    sheet.column = column % n + 1;
    out() << sheetNumber(sheet) << "\n";
    out().flush();
    return ExitOk;
}

int runSheet(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks map-sheet numbers of the national numbering (J50, J50D001002) as the library "
        "does and prints the extent of each valid one (degrees). With --at, prints the number "
        "of the sheet that holds a point (0 to 88 degrees north)."));
    const QCommandLineOption atOption(QStringLiteral("at"),
        QStringLiteral("The point LNG,LAT in decimal degrees."), QStringLiteral("LNG,LAT"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
        QStringLiteral("Scale letter for --at: A (1:1,000,000, the default) or B to H."),
        QStringLiteral("LETTER"), QStringLiteral("A"));
    parser.addOption(atOption);
    parser.addOption(scaleOption);
    parser.addPositionalArgument(
        QStringLiteral("NUMBER"), QStringLiteral("Sheet numbers."), QStringLiteral("NUMBER..."));
    int status = ExitOk;
    if (!parseCommandLine(parser, kName, args, &status)) return status;
    const QStringList numbers = parser.positionalArguments();

    if (!parser.isSet(atOption)) {
        if (parser.isSet(scaleOption))
            return usageError(kName, QStringLiteral("--scale goes with --at"));
        if (numbers.isEmpty()) return usageError(kName, QStringLiteral("expected a NUMBER"));
        bool allValid = true;
        for (const QString& number : numbers)
            allValid = describe(number) && allValid;
        out().flush();
        return allValid ? ExitOk : ExitFailure;
    }

    if (!numbers.isEmpty()) return usageError(kName, QStringLiteral("--at takes no NUMBER"));
    const QString letter = parser.value(scaleOption).toUpper();
    const Scale* scale = letter.size() == 1 ? findScale(letter[0]) : nullptr;
    if (!scale)
        return usageError(
            kName, QStringLiteral("unknown scale '%1' (A to H)").arg(parser.value(scaleOption)));
    const QStringList point = parser.value(atOption).split(QLatin1Char(','));
    bool lngOk = false;
    bool latOk = false;
    const double lng = point.size() == 2 ? point[0].toDouble(&lngOk) : 0.0;
    const double lat = point.size() == 2 ? point[1].toDouble(&latOk) : 0.0;
    if (!lngOk || !latOk)
        return usageError(
            kName, QStringLiteral("--at takes LNG,LAT, not '%1'").arg(parser.value(atOption)));
    return locate(lng, lat, *scale);
}

const CommandRegistrar registrar(
    { kName, "check map-sheet numbers, print their extents or the sheet of a point", runSheet });
} // namespace
