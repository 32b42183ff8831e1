#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QComboBox>

// The host's styled combo box: a flat QComboBox whose popup is a plain list view with rows of one
// height. A derived box fills itself in init(), which its own constructor runs (a base constructor
// cannot reach the override).
class OVPLATFORM_EXPORT KtComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit KtComboBox(QWidget* parent = nullptr);
    ~KtComboBox() override;

protected:
    // Builds the items of the box. The plain box has none.
    virtual void init();
};
