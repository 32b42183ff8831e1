#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <functional>

namespace saverstest {

template <class T> T* child(QWidget* widget, const char* name)
{
    return widget->findChild<T*>(QLatin1String(name));
}

// Runs ACTION on the modal dialog about to be shown: the timer fires in its own event loop.
inline void onModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

} // namespace saverstest
