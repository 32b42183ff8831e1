#pragma once

#include "OvCoordSystem/geodesy/EkDegree.h"

#include <QString>

// Degree formats by their command-line names: decimal, packed, symbols, colons.
bool degreeFormatFromName(const QString& name, E_DEGREE_FOARMAT* format);
QString degreeFormatName(E_DEGREE_FOARMAT format);
