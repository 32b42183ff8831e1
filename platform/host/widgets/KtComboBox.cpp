#include "OvCoordSystem/host/widgets/KtComboBox.h"

#include <QListView>

KtComboBox::KtComboBox(QWidget* parent)
    : QComboBox(parent)
{
    // A QListView popup takes the row height from the style sheet; the default delegate would not.
    setView(new QListView(this));
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("QComboBox QAbstractItemView::item { min-height: 25px; }"));
}

KtComboBox::~KtComboBox() = default;

void KtComboBox::init() { }
