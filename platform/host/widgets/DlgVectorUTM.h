#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QDialog>

#include <memory>

namespace Ui {
class DlgVectorUTM;
}

// The host's dialog of UTM parameters: the zone (1 to 60, shown with its central meridian) and
// the hemisphere. The caller sets the values, runs exec() and, when getIsValid() is true, reads
// them back.
class OVPLATFORM_EXPORT DlgVectorUTM : public QDialog
{
    Q_OBJECT
public:
    explicit DlgVectorUTM(QWidget* parent = nullptr);
    ~DlgVectorUTM() override;

    // Central meridian (degrees). A meridian between zone meridians selects the zone holding it;
    // the value read back is always the zone's central meridian.
    void setMeridian(double meridian);
    double getMeridian() const;
    void setIsNorth(bool north);
    bool getIsNorth() const;

    // True when the last exec() ended with OK.
    bool getIsValid() const;
    // Shows the values set last and runs the dialog modally.
    int exec() override;

private slots:
    void on_btnOk_clicked();
    void on_btnCancel_clicked();
    void on_sbZone_valueChanged(int zone);

private:
    std::unique_ptr<Ui::DlgVectorUTM> ui;
    int m_zone = 50;
    bool m_north = true;
    bool m_isValid = false;
};
