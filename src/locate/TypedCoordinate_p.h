#pragma once

#include "OvCoordSystem/geodesy/EkDegree.h"

#include <QString>

// A typed coordinate as the locator shows it: the point (degrees) and its title "X,Y", each value
// with as many decimals as the user typed (6 when the text has no single ".", at most 12).
struct TypedCoordinate
{
    double x = 0.0;
    double y = 0.0;
    QString title;
};

// Decimals shown for one decimal-degree text: those after its single ".", at most 12; 6 when it
// has no "." or more than one.
int TypedPrecision(const QString& value);

// Reads TEXT, a pair CCoordValid accepts in FORMAT. False, with POINT untouched, when the
// validator cannot split it into decimal-degree texts.
bool ReadTypedCoordinate(const QString& text, E_DEGREE_FOARMAT format, TypedCoordinate* point);
