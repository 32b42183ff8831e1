#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

// The four text forms of an angle in degrees. Any int may be passed; other values than these
// read and write decimal degrees.
enum E_DEGREE_FOARMAT : int
{
    DEGREE_DECIMAL = 0, // 120.5083333
    DEGREE_PACKED = 1, // 120.3030: degrees, ".", two digits of minutes, then the seconds
    DEGREE_SYMBOLS = 2, // 120°30′30″, optionally followed by a hemisphere letter
    DEGREE_COLONS = 3 // 120:30:30
};

// An angle in degrees and its text in the four formats. Text crosses in the local 8-bit
// encoding.
//
// Grammar read by FromFormat. A "number" is an optional "-", digits, and optionally "." and more
// digits; no other character than the digits, "-", ":", ",", "，", "：", "°", "″", ".", "'", "′",
// the double quote and N, S, W, E may appear.
//  - DEGREE_DECIMAL: a number (every "°" is ignored).
//  - DEGREE_PACKED: every "°" is ignored; integer degrees, optionally "." and a tail M. A tail of
//    fewer than three characters is the minutes; a longer one holds two characters of minutes,
//    two of whole seconds and then the decimals of the seconds ("120.303045" is 120°30′30.45″).
//  - DEGREE_SYMBOLS: degrees, optionally "°", then optionally minutes with "′" or "'", then
//    optionally seconds with "″" or a double quote and one hemisphere letter N, S, W or E.
//  - DEGREE_COLONS: degrees, minutes and seconds joined by ":" or "："; missing trailing parts
//    are 0.
// Minutes (compared by their integer part) may not exceed 60 and seconds must lie in 0..60
// (seconds below 1e-7 in magnitude count as 0). Pieces that the coordinate validator reads
// leniently (a short packed tail or a symbols seconds tail that is not a number) count as 0 here
// too, so every text the validator accepts is read. After degrees of exactly 90 or 180, where the
// validator stops looking, a tail that does not read gives the degrees alone.
// The sign is the leading "-" of the degrees ("-0.3000" is −0.5); S and W make the value
// negative.
class OVPLATFORM_EXPORT CEkDegree
{
public:
    explicit CEkDegree(double degree = 0.0);

    // Stores DEGREE (degrees) as it is.
    void SetDegree(double degree);
    // The stored angle (degrees).
    double GetDegree() const;

    // Reads TEXT in FORMAT (grammar above). Returns false and leaves the angle unchanged when the
    // text does not read or its value overflows.
    bool FromFormat(E_DEGREE_FOARMAT format, const std::string& text);

    // The angle in FORMAT: decimal degrees with up to 10 decimals; the other formats with
    // two-digit minutes and seconds and up to 5 decimals of seconds. Negative angles start with
    // "-"; no hemisphere letter is written. Empty for a value that is not finite.
    std::string ToString(E_DEGREE_FOARMAT format) const;

private:
    double m_degree;
};
