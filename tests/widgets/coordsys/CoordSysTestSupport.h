#pragma once

#include "WidgetTestSupport.h"

#include <QString>

#include <tuple>

class CSpatialReference;
class OGRSpatialReference;

namespace coordsystest {
using namespace widgettest;

// A configuration folder of the test program (OV_CONFIG_DIR points there), removed at exit.
QString configDir();
// The host log lines written since the last call (a sink collects them).
QString takeLog();
// checkScreenshot into "screenshots/coordsys".
inline void checkScreenshot(QWidget* widget, const QString& name, int minWidth, int minHeight)
{
    widgettest::checkScreenshot(widget, name, minWidth, minHeight, "coordsys");
}
// GDAL's reading of the WKT of SRS (an empty reference for null).
OGRSpatialReference readWithGdal(const CSpatialReference* srs);
// The central meridian, false easting and TOWGS84 scale of a Transverse Mercator reference.
std::tuple<double, double, double> gaussOf(const OGRSpatialReference& srs);
// Writes CONTENT into the file PATH (a missing folder makes a missing file); returns PATH.
QString writeFile(const QString& path, const QByteArray& content);
// A small DXF file whose "$EXTMIN" easting is the text X.
QString writeDxf(const QString& fileName, const QString& x);

} // namespace coordsystest
