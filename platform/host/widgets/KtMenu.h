#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QMenu>

// The host's drop-down menu: a QMenu in the host's flat look.
class OVPLATFORM_EXPORT KtMenu : public QMenu
{
    Q_OBJECT
public:
    explicit KtMenu(QWidget* parent = nullptr);
};
