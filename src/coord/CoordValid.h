#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/geodesy/EkDegree.h"

#include <QObject>
#include <QStringList>

// Axis of one coordinate value. Any int may be passed; other values than these are handled.
enum E_NUM_LNG_LAT : int
{
    NUM_LNG = 0, // longitude, limit 180 degrees
    NUM_LAT = 1 // latitude, limit 90 degrees
};

// Order of the two values of a coordinate pair.
enum NUM_COORD_FORMAT : int
{
    FORMAT_INVALID = -1,
    FORMAT_LNG_LAT = 0, // longitude first
    FORMAT_LAT_LNG = 1 // latitude first
};

// Checks coordinate text typed by a user and reads a valid longitude/latitude pair.
//
// A pair is two values joined by "," or "，" (spaces around them are ignored) or by one space.
// A value may hold only the characters "-0123456789:,，：°″.'′\"NSWE"; a number is an optional
// "-" and digits, optionally followed by "." and digits. The limit L is 90 degrees for a latitude
// and 180 for a longitude; outside DEGREE_SYMBOLS every "°" is ignored.
//  - DEGREE_DECIMAL (and unknown formats): a number of magnitude at most L.
//  - DEGREE_PACKED: integer degrees D, optionally "." and a tail. |D| equal to L accepts any tail.
//    A tail shorter than three characters is the minutes; a longer one starts with two characters
//    of minutes, then the seconds: two characters of whole seconds followed by their decimals.
//  - DEGREE_SYMBOLS: degrees (a number), optionally "°", then optionally minutes (0..60) ending in
//    "′" or "'", then optionally seconds (0..60); seconds ending in "″" or a double quote may be
//    followed by exactly one hemisphere letter N, S, W or E. |D| equal to L accepts any rest.
//  - DEGREE_COLONS: degrees, minutes and seconds joined by ":" or "："; missing trailing parts
//    are 0; |D| equal to L only with 0 minutes and 0 seconds.
// Minutes compare by their integer part and may not exceed 60; seconds lie in 0..60, and seconds
// below 1e-7 in magnitude count as 0.
//
// One instance per process, created by GetInstance; used from the GUI thread.
class OVCOORD_EXPORT CCoordValid : public QObject
{
    Q_OBJECT
public:
    // The single instance; the first call creates it as a child of PARENT.
    static CCoordValid* GetInstance(QObject* parent = nullptr);
    ~CCoordValid() override;

    // TEXT split into exactly two values, or an empty list.
    QStringList GetLBValue(const QString& text) const;
    // FORMAT_LNG_LAT when TEXT splits into two values, else FORMAT_INVALID.
    NUM_COORD_FORMAT GetCoordFormat(const QString& text) const;

    // True when TEXT is a valid longitude/latitude pair in FORMAT.
    bool IsValid(const QString& text, E_DEGREE_FOARMAT format) const;
    // True when TEXT is a valid value of AXIS in FORMAT.
    bool IsValid(const QString& text, E_DEGREE_FOARMAT format, E_NUM_LNG_LAT axis) const;
    // A loose check of one value: at most one "°" and one ".", no "." at either end, no leading
    // "°", and the text as a plain number (0 when it is not one) within the limit of AXIS.
    bool IsCoord(const QString& text, E_NUM_LNG_LAT axis) const;

    // Reads the pair TEXT in FORMAT into decimal-degree texts. Returns false and leaves LNG and
    // LAT unchanged when the text is no valid pair.
    bool GetLB(const QString& text, QString& lng, QString& lat, E_DEGREE_FOARMAT format) const;

    // Web Mercator text is not recognised; always false.
    bool IsGoogle(const QString& text) const;

private:
    explicit CCoordValid(QObject* parent);

    static CCoordValid* s_instance;
};
