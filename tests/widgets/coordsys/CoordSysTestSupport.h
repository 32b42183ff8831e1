#pragma once

#include <QString>

#include <functional>

class QWidget;

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
// A small DXF file whose "$EXTMIN" easting is the text X.
QString writeDxf(const QString& fileName, const QString& x);

} // namespace coordsystest
