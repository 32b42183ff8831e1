#pragma once

#include "OvCoordSystem/host/app/OvLog.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QWidget;

namespace coordsystest {

// A configuration folder of its own for the test (OV_CONFIG_DIR), removed afterwards.
QString configDir();

// Collects the host log lines written while it lives.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    QStringList lines() const;
    bool contains(const QString& text) const;

private:
    OvLogSink m_previous;
};

// Runs ACTION on the modal dialog as soon as one is shown (zero-delay timers; gives up after a
// few seconds so that a test whose dialog never opens fails instead of hanging).
void onModal(std::function<void(QWidget* dialog)> action);
// Clicks the push button named NAME in the modal dialog.
void clickInModal(const char* name);

// Renders WIDGET into "<test program folder>/screenshots/coordsys/NAME.png" (or the folder
// OV_SCREENSHOT_DIR names) and checks that the image is at least MINWIDTH × MINHEIGHT and not of
// one colour.
void checkScreenshot(QWidget* widget, const QString& name, int minWidth, int minHeight);

// Writes a small DXF file with an "$EXTMIN" easting X (text as given) and returns its path.
QString writeDxf(const QString& fileName, const QString& extMinX);

} // namespace coordsystest
