#include "OvCoordSystem/host/widgets/DlgVectorUTM.h"

#include "ui_DlgVectorUTM.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kZones = 60;

// UTM zone z spans 6 degrees from -180 + 6 (z - 1) east; its central meridian is 6 z - 183.
int zoneOf(double meridian)
{
    if (!std::isfinite(meridian)) return 1;
    return std::clamp(static_cast<int>(std::floor((meridian + 180.0) / 6.0)) + 1, 1, kZones);
}

double meridianOf(int zone)
{
    return 6.0 * zone - 183.0;
}

} // namespace

DlgVectorUTM::DlgVectorUTM(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DlgVectorUTM)
{
    ui->setupUi(this);
    ui->sbZone->setRange(1, kZones);
    on_sbZone_valueChanged(ui->sbZone->value());
}

DlgVectorUTM::~DlgVectorUTM() = default;

void DlgVectorUTM::setMeridian(double meridian)
{
    m_zone = zoneOf(meridian);
}

double DlgVectorUTM::getMeridian() const
{
    return meridianOf(m_zone);
}

void DlgVectorUTM::setIsNorth(bool north)
{
    m_north = north;
}

bool DlgVectorUTM::getIsNorth() const
{
    return m_north;
}

bool DlgVectorUTM::getIsValid() const
{
    return m_isValid;
}

int DlgVectorUTM::exec()
{
    m_isValid = false;
    ui->sbZone->setValue(m_zone);
    ui->rbNorth->setChecked(m_north);
    ui->rbSouth->setChecked(!m_north);
    return QDialog::exec();
}

void DlgVectorUTM::on_btnOk_clicked()
{
    m_zone = ui->sbZone->value();
    m_north = ui->rbNorth->isChecked();
    m_isValid = true;
    accept();
}

void DlgVectorUTM::on_btnCancel_clicked()
{
    m_isValid = false;
    reject();
}

void DlgVectorUTM::on_sbZone_valueChanged(int zone)
{
    ui->lbMeridianValue->setText(QString::number(meridianOf(zone)));
}
