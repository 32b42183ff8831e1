#pragma once

#include "OvCoordSystem/geodesy/EkDegree.h"

#include <string>

// CEkDegree::FromFormat as it read every text through QString, kept for the tests only: the
// shipped reader must read the same angles.
class ReferenceEkDegree
{
public:
    bool FromFormat(E_DEGREE_FOARMAT format, const std::string& text);
    double GetDegree() const { return m_degree; }

private:
    double m_degree = 0.0;
};
