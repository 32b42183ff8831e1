#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/geodesy/EkGDALUtility.h"

#include <QDialog>

#include <memory>

namespace Ui {
class DlgVectorGauss;
}

// The host's dialog of Gauss-Krüger parameters: central meridian, zone width (3, 6 or a free
// projection with its own latitude of origin and false easting and northing), the zone-number
// prefix, the seven datum-shift parameters and whether they become the datum's defaults. The
// caller sets the values, runs exec() and, when getIsValid() is true, reads them back. OK stays
// disabled while a field does not hold a usable number; a line under the fields says why. With 3-
// or 6-degree zones the origin is the zone's own (latitude 0, false easting 500 km with the zone
// number in front when asked for, false northing 0), which the getters then report.
class OVPLATFORM_EXPORT DlgVectorGauss : public QDialog
{
    Q_OBJECT
public:
    explicit DlgVectorGauss(QWidget* parent = nullptr);
    ~DlgVectorGauss() override;

    // Central meridian (degrees).
    void setMeridian(double meridian);
    double getMeridian() const;
    // Zone width: 3 or 6; any other value stands for a free projection.
    void setZone(int zone);
    E_ELLIPOSE_ZONE getZone() const;
    // Whether X coordinates carry the zone number in front.
    void setAddZoneNO(bool addZoneNO);
    bool getAddZoneNO() const;
    // The seven datum-shift parameters, in the order of tagGeoTransformParameter.
    void setSevenData(const double* seven);
    void getSevenData(double* seven) const;
    // Whether the values become the datum's stored defaults.
    void setSaveParameter(bool save);
    bool getSaveParameter() const;
    // Used by a free projection only (degrees, metres, metres).
    void setLatitudeOfOrigin(double latitude);
    double getLatitudeOfOrigin() const;
    void setFalseEasting(double falseEasting);
    double getFalseEasting() const;
    void setFalseNorthing(double falseNorthing);
    double getFalseNorthing() const;

    // Lets the user change the central meridian (a system given by EPSG code fixes it).
    void setEnableMeridian(bool enable);
    // Shows the save option.
    void setSaveParameterVisable(bool visible);
    // Hides the zone-number prefix option for good.
    void HidecAddZoneNO();

    // True when the last exec() ended with OK.
    bool getIsValid() const;
    // Shows the values set last and runs the dialog modally.
    int exec() override;

private slots:
    void on_btnOk_clicked();
    void on_btnCancel_clicked();
    void updateState();

private:
    struct Values;
    // The text of the first field that does not hold a usable value; empty when all do.
    QString validate(Values* parsed) const;
    void showValues();

    std::unique_ptr<Ui::DlgVectorGauss> ui;
    std::unique_ptr<Values> m_values;
    bool m_isValid = false;
    bool m_zoneNOHidden = false;
};
