#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace widgetshot {

// Renders WIDGET into NAME.png for a person to look at: in $OV_SCREENSHOT_DIR when set (the
// demo), otherwise in "screenshots" beside the test program. Checks that the picture has at
// least MINSIZE and is not one flat colour.
inline void save(QWidget& widget, const QString& name, QSize minSize)
{
    widget.show();
    QCoreApplication::processEvents();
    const QImage image = widget.grab().toImage();
    EXPECT_GE(image.width(), minSize.width()) << name.toStdString();
    EXPECT_GE(image.height(), minSize.height()) << name.toStdString();
    QHash<QRgb, int> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            ++colours[image.pixel(x, y)];
    // Text, frames and icons give many colours; a blank rendering gives one or two.
    EXPECT_GT(colours.size(), 8) << name.toStdString() << " looks blank";
    QString dir = qEnvironmentVariable("OV_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

namespace detail {
inline void poll(std::shared_ptr<std::function<void(QWidget*)>> action, int tries)
{
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        (*action)(dialog);
        return;
    }
    if (tries <= 0) {
        ADD_FAILURE() << "no modal dialog was shown";
        return;
    }
    QTimer::singleShot(10, [action, tries] { poll(action, tries - 1); });
}
} // namespace detail

// Runs ACTION on the next modal dialog once it shows (waiting up to 3 s of event processing).
inline void onNextModal(std::function<void(QWidget*)> action)
{
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(action));
    QTimer::singleShot(0, [shared] { detail::poll(shared, 300); });
}

} // namespace widgetshot
