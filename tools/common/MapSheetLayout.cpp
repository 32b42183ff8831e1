#include "MapSheetLayout.h"

#include "OvCoordSystem/locate/Locate.h"

int MapSheetsPerSide(char scale)
{
    if (scale == 'A') return 1;
    int low = 0;
    int high = 0;
    CLocate::GetMapSheetRange(scale, low, high);
    return high - 1;
}

bool ParseMapSheet(const QString& number, MapSheet& sheet)
{
    if (!CLocate::MapsheetRegCheck(number)) return false;
    MapSheet parsed;
    parsed.millionRow = number[0].unicode() - 'A';
    parsed.millionColumn = number.mid(1, 2).toInt();
    if (parsed.millionColumn < 1 || parsed.millionColumn > 60) return false;
    if (number.size() == 10) {
        parsed.scale = static_cast<char>(number[3].unicode());
        parsed.row = number.mid(4, 3).toInt();
        parsed.column = number.mid(7, 3).toInt();
    }
    sheet = parsed;
    return true;
}

void MapSheetBounds(const MapSheet& sheet, double& west, double& south, double& east, double& north)
{
    const int n = MapSheetsPerSide(sheet.scale);
    const int westIndex = (sheet.millionColumn - 1) * n + sheet.column - 1;
    const int northIndex = (sheet.millionRow + 1) * n - (sheet.row - 1);
    const double width = kMillionSheetWidth_deg / n;
    const double height = kMillionSheetHeight_deg / n;
    west = -180.0 + westIndex * width;
    east = -180.0 + (westIndex + 1) * width;
    south = (northIndex - 1) * height;
    north = northIndex * height;
}
