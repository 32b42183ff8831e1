#include "OvCoordSystem/host/widgets/KtMenu.h"

KtMenu::KtMenu(QWidget* parent)
    : QMenu(parent)
{
    setStyleSheet(
        QStringLiteral("QMenu { background: white; border: 1px solid #9EA0A4; padding: 2px; }"
                       "QMenu::item { padding: 4px 20px 4px 24px; }"
                       "QMenu::item:selected { background: #DDEBFF; color: black; }"
                       "QMenu::indicator { width: 12px; height: 12px; left: 6px; }"));
}
