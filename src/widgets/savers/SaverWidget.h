#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/export/ExportTypes.h"
#include "OvCoordSystem/host/export/PropertySetObject.h"

#include <QWidget>

#include <memory>
#include <string>

namespace Ui {
class CSaverWidget;
}

// Options of a tile download: the layout of the saved tile store and the image format. The
// custom layout's naming is edited in the custom tile naming dialog and kept in a task record.
class OVCOORD_EXPORT CSaverWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CSaverWidget(QWidget* parent = nullptr);
    ~CSaverWidget() override;

    void InitDlg();
    void InitSaveType();
    void InitSlots();
    void UpdateExportType();
    // The layout of the checked radio button; when several are checked the first of original,
    // standard TMS, ArcGIS, custom, WorldWind, CES and Quarry wins; none gives the original one.
    EXPORTTYPE GetExportType();
    E_SAVE_IMAGE_TYPE GetTileSaverImageType();
    // The registered name of the chosen layout's saver. PROPERTIES is cleared; the custom layout
    // sets "XYZStyle", "XYZDecimal" (true for hexadecimal numbers), "XYZUpper" and "XYZFillZero".
    std::string GetTileSaverReferenceName(CPropertySetObject& properties);

protected slots:
    void SlotWgtFormatComboBoxChanged(int index);
    void SlotWgtCustomTitlesPushButtonClicked();
    void SlotWgtOriginalTilesRadioButtonStateChanged(bool checked);
    void SlotWgtWordWindTilesRadioButtonStateChanged(bool checked);
    void SlotWgtCesTilesRadioButtonStateChanged(bool checked);
    void SlotWgtStanderTMSTilesRadioButtonStateChanged(bool checked);
    void SlotWgtArcGISTilesRadioButtonStateChanged(bool checked);
    void SlotWgtQuarryTilesRadioButtonStateChanged(bool checked);
    void SlotWgtCustomTilesRadioButtonStateChanged(bool checked);

private:
    void layoutToggled(bool checked);

    std::unique_ptr<Ui::CSaverWidget> m_ui;
    EXPORTTYPE m_exportType = EXPORT_ORIGINAL_TILES;
    DownloadTask m_task;
};
