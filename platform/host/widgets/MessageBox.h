#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QMessageBox>

// The host's message box that its caller keeps and closes itself, for example a box without
// buttons that waits while work runs elsewhere: close() ends it even then (a QMessageBox
// without an escape button ignores it). The int overloads take QMessageBox::Icon and
// QMessageBox::StandardButtons values.
class OVPLATFORM_EXPORT CMessageBox : public QMessageBox
{
    Q_OBJECT
public:
    explicit CMessageBox(QWidget* parent = nullptr);

    using QMessageBox::setIcon;
    using QMessageBox::setStandardButtons;
    void setIcon(int icon) { QMessageBox::setIcon(static_cast<QMessageBox::Icon>(icon)); }
    void setStandardButtons(int buttons)
    {
        QMessageBox::setStandardButtons(QMessageBox::StandardButtons(buttons));
    }

protected:
    void closeEvent(QCloseEvent* event) override;
};
