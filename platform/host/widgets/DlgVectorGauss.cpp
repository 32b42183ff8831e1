#include "OvCoordSystem/host/widgets/DlgVectorGauss.h"

#include "ui_DlgVectorGauss.h"

#include <QLocale>
#include <QSignalBlocker>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Rows of the zone-width box.
enum ZoneRow
{
    RowZone3 = 0,
    RowZone6 = 1,
    RowFree = 2
};

// Enough digits that a value set and read back without editing stays the same.
constexpr int kShownDigits = 15;

QString text(double value)
{
    return QLocale::c().toString(value, 'g', kShownDigits);
}

bool parse(const QLineEdit* edit, double& value)
{
    bool ok = false;
    const double parsed = QLocale::c().toDouble(edit->text().trimmed(), &ok);
    if (!ok || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

std::array<QLineEdit*, 7> sevenEdits(const Ui::DlgVectorGauss& ui)
{
    return { ui.leDx, ui.leDy, ui.leDz, ui.leRx, ui.leRy, ui.leRz, ui.leScale };
}

bool isWhole(double value)
{
    return std::floor(value) == value;
}

// Gauss-Krüger false easting (metres): 500 km, with the zone number in front when asked for.
double zoneFalseEasting(double meridian, int zone, bool addZoneNO)
{
    constexpr double kFalseEasting_m = 500000.0;
    constexpr double kZonePrefix_m = 1000000.0;
    if (!addZoneNO) return kFalseEasting_m;
    const double number = zone == ELLIPOSE_ZONE_6 ? (meridian + 3.0) / 6.0 : meridian / 3.0;
    return kFalseEasting_m + std::round(number) * kZonePrefix_m;
}

} // namespace

struct DlgVectorGauss::Values
{
    double meridian = 117.0;
    int zone = ELLIPOSE_ZONE_3;
    bool addZoneNO = false;
    std::array<double, 7> seven {};
    bool save = false;
    double latitudeOfOrigin = 0;
    double falseEasting = 0;
    double falseNorthing = 0;
};

DlgVectorGauss::DlgVectorGauss(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DlgVectorGauss)
    , m_values(new Values)
{
    ui->setupUi(this);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, SIGNAL(textChanged(QString)), this, SLOT(updateState()));
    connect(ui->cbZone, SIGNAL(currentIndexChanged(int)), this, SLOT(updateState()));
    connect(ui->chkAddZoneNO, SIGNAL(toggled(bool)), this, SLOT(updateState()));
    showValues();
}

DlgVectorGauss::~DlgVectorGauss() = default;

void DlgVectorGauss::setMeridian(double meridian)
{
    m_values->meridian = meridian;
}

double DlgVectorGauss::getMeridian() const
{
    return m_values->meridian;
}

void DlgVectorGauss::setZone(int zone)
{
    m_values->zone = zone;
}

E_ELLIPOSE_ZONE DlgVectorGauss::getZone() const
{
    if (m_values->zone == ELLIPOSE_ZONE_3 || m_values->zone == ELLIPOSE_ZONE_6)
        return static_cast<E_ELLIPOSE_ZONE>(m_values->zone);
    return ELLIPOSE_ZONE_FREE;
}

void DlgVectorGauss::setAddZoneNO(bool addZoneNO)
{
    m_values->addZoneNO = addZoneNO;
}

bool DlgVectorGauss::getAddZoneNO() const
{
    return m_values->addZoneNO;
}

void DlgVectorGauss::setSevenData(const double* seven)
{
    std::copy(seven, seven + 7, m_values->seven.begin());
}

void DlgVectorGauss::getSevenData(double* seven) const
{
    std::copy(m_values->seven.begin(), m_values->seven.end(), seven);
}

void DlgVectorGauss::setSaveParameter(bool save)
{
    m_values->save = save;
}

bool DlgVectorGauss::getSaveParameter() const
{
    return m_values->save;
}

void DlgVectorGauss::setLatitudeOfOrigin(double latitude)
{
    m_values->latitudeOfOrigin = latitude;
}

double DlgVectorGauss::getLatitudeOfOrigin() const
{
    return m_values->latitudeOfOrigin;
}

void DlgVectorGauss::setFalseEasting(double falseEasting)
{
    m_values->falseEasting = falseEasting;
}

double DlgVectorGauss::getFalseEasting() const
{
    return m_values->falseEasting;
}

void DlgVectorGauss::setFalseNorthing(double falseNorthing)
{
    m_values->falseNorthing = falseNorthing;
}

double DlgVectorGauss::getFalseNorthing() const
{
    return m_values->falseNorthing;
}

void DlgVectorGauss::setEnableMeridian(bool enable)
{
    ui->leMeridian->setEnabled(enable);
    updateState();
}

void DlgVectorGauss::setSaveParameterVisable(bool visible)
{
    ui->chkSaveParameter->setVisible(visible);
}

void DlgVectorGauss::HidecAddZoneNO()
{
    m_zoneNOHidden = true;
    ui->chkAddZoneNO->setChecked(false);
    ui->chkAddZoneNO->hide();
}

bool DlgVectorGauss::getIsValid() const
{
    return m_isValid;
}

int DlgVectorGauss::exec()
{
    m_isValid = false;
    showValues();
    return QDialog::exec();
}

void DlgVectorGauss::on_btnOk_clicked()
{
    Values parsed;
    if (!validate(&parsed).isEmpty()) return;
    *m_values = parsed;
    m_isValid = true;
    accept();
}

void DlgVectorGauss::on_btnCancel_clicked()
{
    m_isValid = false;
    reject();
}

void DlgVectorGauss::showValues()
{
    const Values& v = *m_values;
    ui->leMeridian->setText(text(v.meridian));
    ui->cbZone->setCurrentIndex(v.zone == ELLIPOSE_ZONE_3 ? RowZone3
            : v.zone == ELLIPOSE_ZONE_6                   ? RowZone6
                                                          : RowFree);
    ui->chkAddZoneNO->setChecked(v.addZoneNO && !m_zoneNOHidden);
    const std::array<QLineEdit*, 7> seven = sevenEdits(*ui);
    for (int i = 0; i < 7; ++i)
        seven[i]->setText(text(v.seven[i]));
    ui->chkSaveParameter->setChecked(v.save);
    ui->leLatitudeOfOrigin->setText(text(v.latitudeOfOrigin));
    ui->leFalseEasting->setText(text(v.falseEasting));
    ui->leFalseNorthing->setText(text(v.falseNorthing));
    updateState();
}

QString DlgVectorGauss::validate(Values* parsed) const
{
    Values v;
    const int row = ui->cbZone->currentIndex();
    v.zone = row == RowZone3 ? ELLIPOSE_ZONE_3
        : row == RowZone6    ? ELLIPOSE_ZONE_6
                             : ELLIPOSE_ZONE_FREE;
    v.addZoneNO = v.zone != ELLIPOSE_ZONE_FREE && ui->chkAddZoneNO->isChecked();
    v.save = ui->chkSaveParameter->isChecked();
    if (!parse(ui->leMeridian, v.meridian) || std::fabs(v.meridian) > 180.0)
        return tr("中央经线须为-180到180之间的数值");
    // A fixed meridian comes from a catalogued system; it is not checked against the zone width.
    if (ui->leMeridian->isEnabled()) {
        if (v.zone == ELLIPOSE_ZONE_3 && !isWhole(v.meridian / 3.0))
            return tr("3度带的中央经线须为3的倍数");
        if (v.zone == ELLIPOSE_ZONE_6 && !isWhole((v.meridian + 3.0) / 6.0))
            return tr("6度带的中央经线须为6的倍数减3");
    }
    if (v.zone != ELLIPOSE_ZONE_FREE) {
        // A zone has its own origin, shown in the disabled fields.
        v.falseEasting = zoneFalseEasting(v.meridian, v.zone, v.addZoneNO);
    } else {
        if (!parse(ui->leLatitudeOfOrigin, v.latitudeOfOrigin)
            || std::fabs(v.latitudeOfOrigin) > 90.0)
            return tr("起始纬度须为-90到90之间的数值");
        if (!parse(ui->leFalseEasting, v.falseEasting)) return tr("东偏移须为数值");
        if (!parse(ui->leFalseNorthing, v.falseNorthing)) return tr("北偏移须为数值");
    }
    const std::array<QLineEdit*, 7> seven = sevenEdits(*ui);
    for (int i = 0; i < 7; ++i) {
        if (!parse(seven[i], v.seven[i])) return tr("七参数须为数值");
    }
    if (parsed) *parsed = v;
    return QString();
}

void DlgVectorGauss::updateState()
{
    const bool free = ui->cbZone->currentIndex() == RowFree;
    ui->leLatitudeOfOrigin->setEnabled(free);
    ui->leFalseEasting->setEnabled(free);
    ui->leFalseNorthing->setEnabled(free);
    ui->chkAddZoneNO->setEnabled(!free);
    Values parsed;
    const QString problem = validate(&parsed);
    if (problem.isEmpty() && !free) {
        const QSignalBlocker blockLatitude(ui->leLatitudeOfOrigin);
        const QSignalBlocker blockEasting(ui->leFalseEasting);
        const QSignalBlocker blockNorthing(ui->leFalseNorthing);
        ui->leLatitudeOfOrigin->setText(text(parsed.latitudeOfOrigin));
        ui->leFalseEasting->setText(text(parsed.falseEasting));
        ui->leFalseNorthing->setText(text(parsed.falseNorthing));
    }
    ui->lbError->setText(problem);
    ui->btnOk->setEnabled(problem.isEmpty());
}
