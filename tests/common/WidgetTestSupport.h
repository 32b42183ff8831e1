#pragma once

#include "QtPrinters.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>
// The widgets the suites find by name.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <set>

// Helpers of the widget suites.
namespace widgettest {

// The child NAME of type T of PARENT.
template <class T> T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
}

// Runs ACTION on the modal dialog about to be shown: the timer fires in the dialog's own event
// loop, after exec() has shown it.
inline void onModal(std::function<void(QWidget* dialog)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

// Clicks the button NAME of the modal dialog about to be shown.
inline void clickInModal(const char* name)
{
    onModal([name](QWidget* dialog) { child<QAbstractButton>(dialog, name)->click(); });
}

// Renders WIDGET into NAME.png under OV_SCREENSHOT_DIR or "screenshots/FOLDER" beside the test
// program, for a person to look at; it must be at least MINWIDTH × MINHEIGHT and not blank.
inline void checkScreenshot(
    QWidget* widget, const QString& name, int minWidth, int minHeight, const char* folder)
{
    const QImage image = widget->grab().toImage();
    std::set<QRgb> colours;
    for (int i = 0; i < image.width() * image.height() && colours.size() < 3; i += 7)
        colours.insert(image.pixel(i % image.width(), i / image.width()));
    EXPECT_TRUE(image.width() >= minWidth && image.height() >= minHeight && colours.size() > 2)
        << name.toStdString() << ": " << image.width() << " x " << image.height();
    const QString dir = qEnvironmentVariable("OV_SCREENSHOT_DIR",
        QCoreApplication::applicationDirPath() + "/screenshots/" + folder);
    EXPECT_TRUE(QDir().mkpath(dir) && image.save(dir + "/" + name + ".png")) << name.toStdString();
}

} // namespace widgettest
