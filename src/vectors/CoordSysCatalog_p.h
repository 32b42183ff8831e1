#pragma once

#include <QMap>
#include <QString>

namespace vectors {

// The catalogues of coordinate systems (EPSG code -> display name) that the coordinate-system
// dialog lists. One provider serves the process; it is made on first use and never destroyed.
class CoordSysCatalogProvider
{
public:
    enum Kind
    {
        GaussKrueger = 0,
        World = 1,
        Utm = 2,
        Geographic = 3
    };
    enum Datum
    {
        Beijing1954 = 0,
        Xian1980 = 1,
        Cgcs2000 = 2
    };

    // The provider; thread-safe.
    static CoordSysCatalogProvider* instance();

    // The catalogue of KIND. Gauss-Krueger uses DATUM (a Datum; others give an empty catalogue),
    // ZONEWIDTH (3 for 3-degree zones 25 to 45, anything else for 6-degree zones 13 to 23) and
    // ZONENUMBERS (codes and names by zone number rather than central meridian); UTM uses NORTH.
    // An unknown kind gives an empty catalogue.
    QMap<int, QString> catalog(
        int kind, int datum, bool zoneNumbers, int zoneWidth, bool north) const;

private:
    CoordSysCatalogProvider() = default;
};

} // namespace vectors
