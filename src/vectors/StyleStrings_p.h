#pragma once

#include "OvCoordSystem/vectors/FeatureStyleData.h"

#include <QByteArray>
#include <QString>

namespace vectors {

// The OGR style string of a feature drawn with STYLE: a label for a point with text, a pen for
// other points and for lines, a pen and a brush for polygons. KIND is the VCT kind of the
// geometry (multi kinds count as their element), SUFFIX the upper-case suffix of the output
// ("DXF" takes lineweights and ground units, "KML"/"KMZ" pixels, "TAB"/"MIF" colours without
// alpha) and TARGETCOORDSYS the
// VECTOR_COORDSYS written (a geographic target gets label sizes in degrees). Empty for a kind
// without a style (collections).
QString ogrStyleString(
    const FeatureStyleData& style, int kind, const QString& suffix, int targetCoordSys);

// The standard DXF lineweight (millimetres) for a pen width: entry trunc(width * 23) / 10 of the
// lineweight list, the heaviest one for wider pens.
double dxfLineweight(double penWidth);

// ogrStyleString in the local 8-bit encoding, remembered for the last style: the features of a
// layer mostly share one.
class StyleStringCache
{
public:
    const QByteArray& styleString(
        const FeatureStyleData& style, int kind, const QString& suffix, int targetCoordSys);

private:
    bool m_valid = false;
    FeatureStyleData m_style;
    int m_kind = -1;
    QString m_suffix;
    int m_target = -1;
    QByteArray m_string;
};

} // namespace vectors
