#pragma once

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

namespace saverstest {

// Shows WIDGET, renders it into NAME.png ($OV_SCREENSHOT_DIR, else "screenshots" beside the test
// program) and checks that the picture has at least MINSIZE and is not nearly one colour.
inline void screenshot(QWidget& widget, const QString& name, QSize minSize)
{
    widget.show();
    QCoreApplication::processEvents();
    const QImage image = widget.grab().toImage();
    EXPECT_GE(image.width(), minSize.width()) << name.toStdString();
    EXPECT_GE(image.height(), minSize.height()) << name.toStdString();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 8u) << name.toStdString() << " looks blank";
    QString dir = qEnvironmentVariable("OV_SCREENSHOT_DIR");
    if (dir.isEmpty()) dir = QCoreApplication::applicationDirPath() + "/screenshots/savers";
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + "/" + name + ".png"));
}

// Runs ACTION on the next modal dialog, polling every 10 ms for up to 3 s.
inline void onModal(std::function<void(QWidget*)> action, int tries = 300)
{
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(action));
    QTimer::singleShot(tries == 300 ? 0 : 10, [shared, tries] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            (*shared)(dialog);
        else if (tries > 0)
            onModal(*shared, tries - 1);
        else
            ADD_FAILURE() << "no modal dialog was shown";
    });
}

} // namespace saverstest
