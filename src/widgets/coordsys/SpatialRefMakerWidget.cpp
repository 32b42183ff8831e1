#include "OvCoordSystem/widgets/coordsys/SpatialRefMakerWidget.h"

#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/host/widgets/DlgVectorGauss.h"
#include "OvCoordSystem/host/widgets/DlgVectorUTM.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefWktConfigManager.h"

#include "ui_SpatialRefMakerWidget.h"

#include <QTextCodec>

#include <cmath>

namespace {

const char* groupOf(int datum)
{
    switch (datum) {
    case COORD_BEIJING54_GAUSS:
        return "BEIJING54SpatialRef";
    case COORD_XIAN80_GAUSS:
        return "XIAN80SpatialRef";
    default:
        return "CGCS2000SpatialRef";
    }
}

// The zone width a dialog is given: the zoning for a meridian on a 3-degree zone line, else -1
// (a free projection).
int dialogZone(double meridian, E_ELLIPOSE_ZONE zoning)
{
    const bool onZoneLine = std::floor(meridian) == meridian && std::fmod(meridian, 3.0) == 0.0;
    return onZoneLine ? zoning : -1;
}

QString sevenTextOf(const SpatialRefParameters& p)
{
    return QTextCodec::codecForName("GB18030")->toUnicode(p.SevenText().c_str());
}

} // namespace

CSpatialRefMakerWidget::CSpatialRefMakerWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::CSpatialRefMakerWidget)
{
    ui->setupUi(this);
    connect(ui->pushButton_Param, SIGNAL(clicked(bool)), this, SLOT(SlotPushButtonParamClicked()),
        Qt::UniqueConnection);
    connect(ui->comboBox_SpatialReferences, SIGNAL(signalCurrentIndexChanged(int)), this,
        SLOT(SlotCurrentIndexChanged(int)));
    m_manager = CSpatialRefWktConfigManager::GetSpatialRefWktConfigManager();
}

CSpatialRefMakerWidget::~CSpatialRefMakerWidget() = default;

void CSpatialRefMakerWidget::SetSpatialRef(E_COORDINATE_SYSTEM cs)
{
    ui->comboBox_SpatialReferences->setCurCoordSys(cs);
}

void CSpatialRefMakerWidget::SetMoreCoordSys(
    int epsg, E_COORDINATE_SYSTEM datum, double meridian, bool threeDegree)
{
    ui->comboBox_SpatialReferences->setMoreCoordSys(epsg, datum, meridian, threeDegree);
}

int CSpatialRefMakerWidget::GetIndexCoordSys(E_COORDINATE_SYSTEM cs)
{
    return ui->comboBox_SpatialReferences->getIndexCoordSys(cs);
}

int CSpatialRefMakerWidget::getEpsg()
{
    return ui->comboBox_SpatialReferences->getEpsg();
}

void CSpatialRefMakerWidget::setEpsg(int epsg)
{
    ui->comboBox_SpatialReferences->setEpsg(epsg);
}

E_COORDINATE_SYSTEM CSpatialRefMakerWidget::getCurCoordSys()
{
    return ui->comboBox_SpatialReferences->getCurCoordSys();
}

int CSpatialRefMakerWidget::GetCurrentIndex()
{
    return ui->comboBox_SpatialReferences->currentIndex();
}

void CSpatialRefMakerWidget::SetCurrentIndex(int index)
{
    ui->comboBox_SpatialReferences->setCurrentIndex(index);
}

QString CSpatialRefMakerWidget::getCoordName()
{
    return ui->comboBox_SpatialReferences->getCoordName();
}

void CSpatialRefMakerWidget::setCoordName(QString name)
{
    ui->comboBox_SpatialReferences->setCoordName(name);
}

QString CSpatialRefMakerWidget::GetCurrentText()
{
    return ui->comboBox_SpatialReferences->currentText();
}

void CSpatialRefMakerWidget::EnableSpatialSelect(bool enable)
{
    ui->comboBox_SpatialReferences->setEnabled(enable);
}

void CSpatialRefMakerWidget::SetComboboxWidth(int width)
{
    ui->comboBox_SpatialReferences->setFixedWidth(width);
}

VECTOR_COORDSYS CSpatialRefMakerWidget::GetVectorCoordSys()
{
    return static_cast<VECTOR_COORDSYS>(ui->comboBox_SpatialReferences->getCurCoordSys());
}

double CSpatialRefMakerWidget::GetMeridian() const
{
    return m_params.meridian;
}

double CSpatialRefMakerWidget::GetLB() const
{
    return m_params.lb;
}

E_ELLIPOSE_ZONE CSpatialRefMakerWidget::GetZoning() const
{
    return m_params.zoning;
}

bool CSpatialRefMakerWidget::GetIsNorth() const
{
    return m_params.north;
}

bool CSpatialRefMakerWidget::GetAddHasZone() const
{
    return m_params.addZoneNO;
}

void CSpatialRefMakerWidget::GetSevenData(double* seven) const
{
    std::copy(std::begin(m_params.seven.params), std::end(m_params.seven.params), seven);
}

void CSpatialRefMakerWidget::SetMeridian(double meridian)
{
    m_params.meridian = m_params.presetMeridian = meridian;
}

void CSpatialRefMakerWidget::SetIsNorth(bool north)
{
    m_params.north = m_params.presetNorth = north;
}

void CSpatialRefMakerWidget::SetParameter(
    double meridian, bool addZoneNO, E_ELLIPOSE_ZONE zoning, bool north)
{
    m_params.meridian = m_params.presetMeridian = meridian;
    m_params.addZoneNO = m_params.presetAddZoneNO = addZoneNO;
    m_params.zoning = m_params.presetZoning = zoning;
    m_params.north = m_params.presetNorth = north;
}

std::map<std::string, double> CSpatialRefMakerWidget::GetMapSRSProjParm() const
{
    return { { "latitude_of_origin", m_params.latitudeOfOrigin },
        { "false_easting", m_params.falseEasting }, { "false_northing", m_params.falseNorthing } };
}

void CSpatialRefMakerWidget::SetFilePath(const QString& path)
{
    m_params.filePath = path;
    if (!path.isEmpty()) m_params.filePathPending = true;
}

void CSpatialRefMakerWidget::HidecAddZoneNO()
{
    createGaussDialog();
    m_gaussDialog->HidecAddZoneNO();
}

void CSpatialRefMakerWidget::InitalParameter(EXTENT extent, bool bd09)
{
    m_params.InitalParameter(extent, bd09);
}

CSpatialReference* CSpatialRefMakerWidget::MakeSpatialReference(int& epsg) const
{
    epsg = ui->comboBox_SpatialReferences->getEpsg();
    return m_params.Make(epsg);
}

void CSpatialRefMakerWidget::DestroySpatialReference(CSpatialReference* srs) const
{
    CSpatialReferenceFactorySingleton::Instance()->DestroyNamedSRS(srs);
}

void CSpatialRefMakerWidget::SetCoordParamEnable(int epsg)
{
    m_params.TakeFromEpsg(epsg);
}

void CSpatialRefMakerWidget::createGaussDialog()
{
    if (!m_gaussDialog) m_gaussDialog = new DlgVectorGauss(this);
}

void CSpatialRefMakerWidget::SlotCurrentIndexChanged(int eCoordSys)
{
    createGaussDialog();
    m_gaussDialog->setEnableMeridian(true);
    m_gaussDialog->setSaveParameterVisable(true);
    m_params.coordSys = static_cast<E_COORDINATE_SYSTEM>(eCoordSys);
    m_params.save = false;
    if (SpatialRefParameters::IsGaussDatum(eCoordSys)) {
        m_group = QString::fromLatin1(groupOf(eCoordSys));
        readDatumDefaults(m_params.coordSys);
        applyParameterChange();
    } else if (eCoordSys == COORD_WGS84_UTM) {
        applyParameterChange();
    } else if (eCoordSys == COORD_BY_EPSG) {
        applyParameterChange();
        m_gaussDialog->setEnableMeridian(false);
        m_gaussDialog->setSaveParameterVisable(false);
    } else {
        tagCoordinateSystem cs;
        const int epsg = ui->comboBox_SpatialReferences->getEpsg();
        if (epsg >= 0 && EkGDALUtilityNS::ConvertEPSGToCoordSystem(epsg, cs)) {
            m_params.coordSys = cs.coordSys;
            m_params.TakeFrom(cs);
        }
        ui->pushButton_Param->setEnabled(false);
    }
    emit SigCurrentIndexChanged(eCoordSys);
}

void CSpatialRefMakerWidget::applyParameterChange()
{
    if (!m_params.save) m_params.ResetFromPresets();
    createGaussDialog();
    const int epsg = ui->comboBox_SpatialReferences->getEpsg();
    tagCoordinateSystem cs;
    if (epsg != -1 && EkGDALUtilityNS::ConvertEPSGToCoordSystem(epsg, cs)
        && cs.coordSys < COORD_WGS84_LNGLAT)
        m_params.TakeFrom(cs);
    ui->pushButton_Param->setEnabled(true);
}

void CSpatialRefMakerWidget::SlotPushButtonParamClicked()
{
    if (m_params.coordSys == COORD_WGS84_UTM)
        runUtmDialog();
    else if (SpatialRefParameters::IsGaussDatum(m_params.coordSys)
        || m_params.coordSys == COORD_BY_EPSG)
        runGaussDialog();
}

void CSpatialRefMakerWidget::runUtmDialog()
{
    if (!m_utmDialog) m_utmDialog = new DlgVectorUTM(this);
    m_utmDialog->setMeridian(m_params.meridian);
    m_utmDialog->setIsNorth(m_params.north);
    m_utmDialog->exec();
    if (!m_utmDialog->getIsValid()) return;
    m_params.meridian = m_utmDialog->getMeridian();
    m_params.north = m_utmDialog->getIsNorth();
    m_params.lb = 0.0;
}

void CSpatialRefMakerWidget::runGaussDialog()
{
    SpatialRefParameters& p = m_params;
    p.GuessFromDxf();
    createGaussDialog();
    DlgVectorGauss* dialog = m_gaussDialog;
    dialog->setMeridian(p.meridian);
    dialog->setZone(dialogZone(p.meridian, p.zoning));
    dialog->setAddZoneNO(p.addZoneNO);
    dialog->setSevenData(p.seven.params);
    dialog->setSaveParameter(p.save);
    dialog->setLatitudeOfOrigin(p.latitudeOfOrigin);
    dialog->setFalseEasting(p.falseEasting);
    dialog->setFalseNorthing(p.falseNorthing);
    dialog->exec();
    if (!dialog->getIsValid()) return;
    p.meridian = dialog->getMeridian();
    dialog->getSevenData(p.seven.params);
    p.zoning = dialog->getZone();
    p.addZoneNO = dialog->getAddZoneNO();
    p.save = dialog->getSaveParameter();
    p.latitudeOfOrigin = dialog->getLatitudeOfOrigin();
    p.falseEasting = dialog->getFalseEasting();
    p.falseNorthing = dialog->getFalseNorthing();
    p.lb = 0.0;
    if (p.coordSys != COORD_BY_EPSG) storeDatumDefaults(p.coordSys);
}

void CSpatialRefMakerWidget::readDatumDefaults(E_COORDINATE_SYSTEM datum)
{
    if (!m_manager) return;
    SpatialRefParameters& p = m_params;
    p.seven = tagGeoTransformParameter();
    std::string wkt;
    std::string sevenText;
    bool save = false;
    double meridian = p.meridian;
    int zone = ELLIPOSE_ZONE_3;
    if (!m_manager->GetSpatialRefWkt(datum, wkt, save, meridian, zone, p.latitudeOfOrigin,
            p.falseEasting, p.falseNorthing, sevenText)) {
        OvLogWarn() << QStringLiteral("坐标系默认参数读取失败！");
        p.save = false;
        p.ResetFromPresets();
        return;
    }
    p.save = save;
    p.meridian = meridian;
    if (!save) {
        p.ResetFromPresets();
        return;
    }
    tagCoordinateSystem cs;
    if (EkGDALUtilityNS::GuessCoordSystem(wkt, cs)) {
        if (cs.hasCentralMeridian) p.meridian = cs.centralMeridian;
        if (cs.hasHZone) p.addZoneNO = cs.hzone;
        if (cs.hasNorth) p.north = cs.north;
    }
    p.zoning = static_cast<E_ELLIPOSE_ZONE>(zone);
    p.SetSevenFromText(sevenText);
}

void CSpatialRefMakerWidget::storeDatumDefaults(E_COORDINATE_SYSTEM datum)
{
    if (!m_manager) return;
    const SpatialRefParameters& p = m_params;
    const std::string wkt = p.DefaultsWkt(datum, ui->comboBox_SpatialReferences->getEpsg());
    if (!m_manager->SetSpatialRefWkt(datum, wkt, p.save, p.meridian, p.zoning, p.latitudeOfOrigin,
            p.falseEasting, p.falseNorthing, p.SevenText()))
        OvLogWarn() << QStringLiteral("坐标系默认参数保存失败！");
}

void CSpatialRefMakerWidget::ReadConfigToUi(QString group)
{
    SpatialRefParameters& p = m_params;
    p.seven = tagGeoTransformParameter();
    p.save = ConfigIni::getConfigOrSetConfigIfNull(group, QStringLiteral("Save"), false).toBool();
    if (!p.save) {
        p.ResetFromPresets();
        return;
    }
    const auto read = [&group](const char* key, const QVariant& def) {
        return ConfigIni::getConfigOrSetConfigIfNull(group, QString::fromLatin1(key), def);
    };
    read("EPSG", 4326);
    p.meridian = read("Meridian", 0.0).toDouble();
    p.addZoneNO = read("Hzone", false).toBool();
    p.zoning = static_cast<E_ELLIPOSE_ZONE>(read("zone", 3).toInt());
    p.north = read("North", true).toBool();
    p.latitudeOfOrigin = read("LatitudeOfOrigin", 0.0).toDouble();
    p.falseEasting = read("FalseEasting", 0.0).toDouble();
    p.falseNorthing = read("FalseNorthing", 0.0).toDouble();
    const QString seven = read("SevenData", sevenTextOf(p)).toString();
    p.SetSevenFromText(QTextCodec::codecForName("GB18030")->fromUnicode(seven).toStdString());
}

void CSpatialRefMakerWidget::SaveConfigFromUi(QString group)
{
    const SpatialRefParameters& p = m_params;
    const auto write = [&group](const char* key, const QVariant& value) {
        ConfigIni::setConfig(group, QString::fromLatin1(key), value);
    };
    write("Save", p.save);
    if (!p.save) return;
    m_params.coordSys = ui->comboBox_SpatialReferences->getCurCoordSys();
    write("E_COORDINATE_SYSTEM", static_cast<int>(m_params.coordSys));
    write("EPSG", ui->comboBox_SpatialReferences->getEpsg());
    write("Meridian", p.meridian);
    write("Hzone", p.addZoneNO);
    write("zone", static_cast<int>(p.zoning));
    write("North", p.north);
    write("LatitudeOfOrigin", p.latitudeOfOrigin);
    write("FalseEasting", p.falseEasting);
    write("FalseNorthing", p.falseNorthing);
    write("SevenData", sevenTextOf(p));
}
