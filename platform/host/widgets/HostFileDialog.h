#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QString>

#include <functional>

class QWidget;

// The host's file dialogs. Library code asks through here rather than QFileDialog directly, so
// that a test (or a host with its own dialogs) can answer in place of the user.
class OVPLATFORM_EXPORT HostFileDialog
{
public:
    // Receives caption, start path and filter; returns the chosen path ("" for cancel).
    using Responder = std::function<QString(
        const QString& caption, const QString& startPath, const QString& filter)>;

    // As QFileDialog::getSaveFileName; "" when the user cancels.
    static QString getSaveFileName(QWidget* parent, const QString& caption,
        const QString& startPath, const QString& filter, QString* selectedFilter = nullptr);

    // Installs responder for every later dialog and returns the previous one; an empty
    // responder shows real dialogs again.
    static Responder setResponder(Responder responder);
};
