#pragma once

#include <QString>

// The sheet layout of GB/T 13989, shared by the tools that show a map-sheet number's extent
// (the library itself only checks numbers): 1:1,000,000 sheets of 6° x 4°, rows A to V counted
// from the equator, columns 1 to 60 from 180° W; a larger scale (B to H) divides such a sheet
// into n x n sheets, rows counted from the north and columns from the west.
// Size of a 1:1,000,000 sheet (degrees).
constexpr double kMillionSheetWidth_deg = 6.0;
constexpr double kMillionSheetHeight_deg = 4.0;

struct MapSheet
{
    int millionRow = 0; // 0 = A
    int millionColumn = 0; // 1 to 60
    char scale = 'A'; // A (1:1,000,000) to H
    int row = 1; // 1 to n, 1 in the north
    int column = 1; // 1 to n, 1 in the west
};

// Sheets per side of a 1:1,000,000 sheet at SCALE: 1 for A, else the library's bound.
int MapSheetsPerSide(char scale);

// SHEET of NUMBER; false (SHEET untouched) when the library refuses NUMBER or its 1:1,000,000
// column lies outside 1 to 60 (the library checks that column only in 1:1,000,000 numbers).
bool ParseMapSheet(const QString& number, MapSheet& sheet);

// West, south, east and north edge of SHEET (degrees). Each edge is one integer count of sheets
// scaled once, so that neighbouring sheets share their edges exactly.
void MapSheetBounds(
    const MapSheet& sheet, double& west, double& south, double& east, double& north);
