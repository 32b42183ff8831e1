#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/geodesy/EkDegree.h"

#include <QPointF>
#include <QString>

// A geographic rectangle edited as text: a minimum and a maximum corner, each a longitude and a
// latitude (degrees) written "LNG,LAT" in one of the degree formats. A new extent is all zeros.
class OVCOORD_EXPORT CDmsExtent
{
public:
    CDmsExtent() = default;

    // Sets all four values to 0.
    void Clear();
    // Both longitudes in -180..180, both latitudes in -90..90 and the minimum corner not above the
    // maximum corner on either axis.
    bool IsValid() const;

    // Corners as points: x longitude, y latitude (degrees).
    void SetMinPointF(const QPointF& point);
    void SetMaxPointF(const QPointF& point);
    QPointF GetMinPointF() const;
    QPointF GetMaxPointF() const;

    // Reads the corner TEXT ("LNG,LAT" in FORMAT) and stores it. Fails when the text is not two
    // valid values, or when the corner would lie beyond the other corner (east or north of the
    // maximum for the minimum corner, west or south of the minimum for the maximum corner). On
    // failure the corner stays unchanged, except that with STOREFIRST a corner that reads and lies
    // within -180..180 / -90..90 is stored before it is compared with the other corner.
    bool FromMinPointF(const QString& text, E_DEGREE_FOARMAT format, bool storeFirst);
    bool FromMaxPointF(const QString& text, E_DEGREE_FOARMAT format, bool storeFirst);

    // The corner as "LNG,LAT" in FORMAT.
    QString ToMinPointF(E_DEGREE_FOARMAT format) const;
    QString ToMaxPointF(E_DEGREE_FOARMAT format) const;

    // The corner TEXT written in TARGET. SOURCE is corrected first: a text holding "°" is read as
    // DEGREE_SYMBOLS, one holding ":" as DEGREE_COLONS (the colon wins). TEXT comes back unchanged
    // when SOURCE equals TARGET; a text that is not two values joined by "," gives an empty text.
    QString DmsConvert(
        const QString& text, E_DEGREE_FOARMAT& source, E_DEGREE_FOARMAT target) const;

private:
    enum Corner
    {
        MinCorner,
        MaxCorner
    };
    bool fromPointF(Corner corner, const QString& text, E_DEGREE_FOARMAT format, bool storeFirst);
    QString toPointF(Corner corner, E_DEGREE_FOARMAT format) const;

    CEkDegree m_minLng;
    CEkDegree m_minLat;
    CEkDegree m_maxLng;
    CEkDegree m_maxLat;
};
