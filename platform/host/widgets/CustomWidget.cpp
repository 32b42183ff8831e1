#include "OvCoordSystem/host/widgets/CustomWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

CustomWidget::CustomWidget(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_titleBar(new QWidget(this))
    , m_title(new QLabel(m_titleBar))
    , m_close(new QToolButton(m_titleBar))
    , m_content(new QWidget(this))
{
    m_titleBar->setObjectName(QStringLiteral("titleBar"));
    m_title->setObjectName(QStringLiteral("labelTitle"));
    m_close->setObjectName(QStringLiteral("btnClose"));
    m_content->setObjectName(QStringLiteral("contentWidget"));

    m_titleBar->setFixedHeight(32);
    m_titleBar->setAutoFillBackground(true);
    m_titleBar->setStyleSheet(QStringLiteral(
        "#titleBar { background: #2d6cdf; } #labelTitle { color: white; font-weight: bold; }"
        " #btnClose { color: white; border: none; font-size: 16px; }"
        " #btnClose:hover { background: #e04343; }"));
    m_close->setText(QStringLiteral("\u00d7"));
    m_close->setFixedSize(32, 32);
    m_close->setCursor(Qt::PointingHandCursor);
    connect(m_close, SIGNAL(clicked()), this, SLOT(reject()));

    auto* bar = new QHBoxLayout(m_titleBar);
    bar->setContentsMargins(10, 0, 0, 0);
    bar->addWidget(m_title, 1);
    bar->addWidget(m_close);

    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(1, 1, 1, 1);
    frame->setSpacing(0);
    frame->addWidget(m_titleBar);
    frame->addWidget(m_content, 1);
    setStyleSheet(QStringLiteral("CustomWidget { border: 1px solid #2d6cdf; }"));

    m_titleBar->installEventFilter(this);
}

void CustomWidget::setTitle(const QString& title)
{
    m_title->setText(title);
    setWindowTitle(title);
}

bool CustomWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_titleBar) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        m_dragging = mouse->button() == Qt::LeftButton;
        m_dragOffset = mouse->globalPos() - frameGeometry().topLeft();
        return m_dragging;
    }
    case QEvent::MouseMove:
        if (m_dragging) move(static_cast<QMouseEvent*>(event)->globalPos() - m_dragOffset);
        return m_dragging;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return false;
    default:
        return false;
    }
}
