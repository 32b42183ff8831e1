#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QDialog>
#include <QPoint>

class QLabel;
class QToolButton;

// The host's framed dialog: a title bar of its own (title text and a close button, dragged to
// move the window) above a content widget into which a derived dialog builds its form.
class OVPLATFORM_EXPORT CustomWidget : public QDialog
{
    Q_OBJECT
public:
    explicit CustomWidget(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    // Where the derived dialog puts its form (e.g. ui->setupUi(contentWidget())).
    QWidget* contentWidget() const { return m_content; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_titleBar;
    QLabel* m_title;
    QToolButton* m_close;
    QWidget* m_content;
    QPoint m_dragOffset; // cursor position in the window while the title bar is dragged
    bool m_dragging = false;
};
