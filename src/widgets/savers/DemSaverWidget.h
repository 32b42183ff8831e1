#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/host/export/ExportTypes.h"

#include <QPointF>
#include <QWidget>

#include <memory>
#include <string>

class CDlgSetSpaced;

namespace Ui {
class CDemSaverWidget;
}

// Options of an elevation download: a GeoTIFF raster or sample points in one of three text
// formats, and for the point formats an optional spacing of the points set in the spacing
// dialog.
class OVCOORD_EXPORT CDemSaverWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CDemSaverWidget(QWidget* parent = nullptr);
    ~CDemSaverWidget() override;

    // The saver class of the chosen format (empty for an unknown one); fills the spacing kind,
    // the spacing (x horizontal, y vertical, in the kind's unit) and the format value.
    std::string GetSaverClassName(
        E_SAVE_IMAGE_TYPE& format, EXPORT_SPACE_TYPE& spaceType, QPointF& spacing) const;

protected slots:
    void SlotWgtFormatComboBoxChanged(int row);
    void SlotWgtBlockCheckBoxClicked();
    void SlotBlockCheckeBoxChecked(bool bChecked);
    void SlotWgtSetDividePushButton();

private:
    CDlgSetSpaced* spacingDialog();

    std::unique_ptr<Ui::CDemSaverWidget> m_ui;
    CDlgSetSpaced* m_spacingDialog = nullptr;
    bool m_bSpacing = false;
    EXPORT_SPACE_TYPE m_spaceType = EXPORT_SPACE_NONE;
    QPointF m_spacing;
};
