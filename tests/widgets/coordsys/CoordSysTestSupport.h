#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <tuple>

class CSpatialReference;
class OGRSpatialReference;

namespace coordsystest {

// A configuration folder of the test program (OV_CONFIG_DIR points there), removed at exit.
QString configDir();
// The host log lines written since the last call (a sink collects them).
QString takeLog();
// Runs ACTION on the modal dialog about to be shown; clicks the button NAME of it.
void onModal(std::function<void(QWidget* dialog)> action);
void clickInModal(const char* name);
// Renders WIDGET into NAME.png under OV_SCREENSHOT_DIR or "<test folder>/screenshots/coordsys",
// and checks that it is at least MINWIDTH × MINHEIGHT and not of one colour.
void checkScreenshot(QWidget* widget, const QString& name, int minWidth, int minHeight);
// The child NAME of type T of PARENT.
template <class T> T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
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
