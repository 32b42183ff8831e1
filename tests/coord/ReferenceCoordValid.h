#pragma once

#include "OvCoordSystem/coord/CoordValid.h"

// The coordinate text validator built on QRegExp and QString splitting, kept for the tests
// only: the shipped one must make the same decisions and read the same values.
class ReferenceCoordValid
{
public:
    QStringList GetLBValue(const QString& text) const;
    NUM_COORD_FORMAT GetCoordFormat(const QString& text) const;
    bool IsValid(const QString& text, E_DEGREE_FOARMAT format) const;
    bool IsValid(const QString& text, E_DEGREE_FOARMAT format, E_NUM_LNG_LAT axis) const;
    bool IsCoord(const QString& text, E_NUM_LNG_LAT axis) const;
    bool GetLB(const QString& text, QString& lng, QString& lat, E_DEGREE_FOARMAT format) const;
};
