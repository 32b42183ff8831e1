#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/coord/CoordinateSystem.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefParameters.h"

#include <QString>
#include <QWidget>

#include <map>
#include <memory>
#include <string>

class CSpatialReference;
class CSpatialRefWktConfigManager;
class DlgVectorGauss;
class DlgVectorUTM;

namespace Ui {
class CSpatialRefMakerWidget;
}

// The widget with which the host asks for the target spatial reference of an export: a
// coordinate-system combo box and a button "参数" that opens the parameter dialog of the chosen
// datum (Gauss-Krüger or UTM). For the Gauss-Krüger datums the parameters chosen with "save"
// are kept as the datum's defaults between runs.
class OVCOORD_EXPORT CSpatialRefMakerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CSpatialRefMakerWidget(QWidget* parent = nullptr);
    ~CSpatialRefMakerWidget() override;

    // Forwarded to the combo box.
    void SetSpatialRef(E_COORDINATE_SYSTEM cs);
    void SetMoreCoordSys(int epsg, E_COORDINATE_SYSTEM datum, double meridian, bool threeDegree);
    int GetIndexCoordSys(E_COORDINATE_SYSTEM cs);
    int getEpsg();
    void setEpsg(int epsg);
    E_COORDINATE_SYSTEM getCurCoordSys();
    int GetCurrentIndex();
    // Selects a row without running the selection.
    void SetCurrentIndex(int index);
    QString getCoordName();
    void setCoordName(QString name);
    QString GetCurrentText();
    void EnableSpatialSelect(bool enable);
    void SetComboboxWidth(int width);
    VECTOR_COORDSYS GetVectorCoordSys();

    double GetMeridian() const;
    double GetLB() const;
    E_ELLIPOSE_ZONE GetZoning() const;
    bool GetIsNorth() const;
    bool GetAddHasZone() const;
    // Copies the seven datum-shift parameters to SEVEN (seven doubles).
    void GetSevenData(double* seven) const;
    // Each setter sets the value and its preset.
    void SetMeridian(double meridian);
    void SetIsNorth(bool north);
    void SetParameter(double meridian, bool addZoneNO, E_ELLIPOSE_ZONE zoning, bool north);
    // "latitude_of_origin", "false_easting" and "false_northing".
    std::map<std::string, double> GetMapSRSProjParm() const;
    // A DXF file whose "$EXTMIN" easting may carry a zone number, examined once when needed.
    void SetFilePath(const QString& path);
    void HidecAddZoneNO();

    // Meridian, zoning and hemisphere of the three-degree zone holding the extent's middle
    // (degrees; a BD09 extent is shifted to WGS84 first).
    void InitalParameter(EXTENT extent, bool bd09);
    // A new reference of the current choice; EPSG receives the combo box's code. Release it with
    // DestroySpatialReference. Null when it cannot be made.
    CSpatialReference* MakeSpatialReference(int& epsg) const;
    void DestroySpatialReference(CSpatialReference* srs) const;
    // Takes meridian, zoning, prefix and hemisphere from what EPSG describes.
    void SetCoordParamEnable(int epsg);

signals:
    void SigCurrentIndexChanged(int eCoordSys);

public slots:
    void SlotPushButtonParamClicked();
    void SlotCurrentIndexChanged(int eCoordSys);

private:
    friend struct CSpatialRefMakerWidgetTestAccess;

    void createGaussDialog();
    void applyParameterChange();
    void readDatumDefaults(E_COORDINATE_SYSTEM datum);
    void storeDatumDefaults(E_COORDINATE_SYSTEM datum);
    void runGaussDialog();
    void runUtmDialog();
    // The same parameters kept in a group of the host's settings instead of the datum files.
    void ReadConfigToUi(QString group);
    void SaveConfigFromUi(QString group);

    std::unique_ptr<Ui::CSpatialRefMakerWidget> ui;
    DlgVectorGauss* m_gaussDialog = nullptr;
    DlgVectorUTM* m_utmDialog = nullptr;
    CSpatialRefWktConfigManager* m_manager = nullptr;
    // Making a reference may run the DXF guess, which updates the parameters.
    mutable SpatialRefParameters m_params;
    QString m_group;
};
