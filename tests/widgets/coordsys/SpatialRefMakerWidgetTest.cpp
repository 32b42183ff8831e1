#include "CoordSysTestSupport.h"
#include "QtPrinters.h"

#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/widgets/DlgVectorGauss.h"
#include "OvCoordSystem/host/widgets/DlgVectorUTM.h"
#include "OvCoordSystem/widgets/coordsys/MoreCoordSys_p.h"
#include "OvCoordSystem/widgets/coordsys/QCoordComboBox.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefMakerWidget.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefWktConfigManager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>

#include <ogr_spatialref.h>

#include <gtest/gtest.h>

#include <tuple>

// Reaches the manager and parameters the widget keeps to itself.
struct CSpatialRefMakerWidgetTestAccess
{
    static void setManager(CSpatialRefMakerWidget& w, CSpatialRefWktConfigManager* manager)
    {
        w.m_manager = manager;
    }
    static SpatialRefParameters& params(CSpatialRefMakerWidget& w) { return w.m_params; }
    static void readConfig(CSpatialRefMakerWidget& w, const QString& g) { w.ReadConfigToUi(g); }
    static void saveConfig(CSpatialRefMakerWidget& w, const QString& g) { w.SaveConfigFromUi(g); }
};
using Access = CSpatialRefMakerWidgetTestAccess;
using namespace coordsystest;

namespace {

QAbstractButton* paramButton(CSpatialRefMakerWidget& w)
{
    return w.findChild<QAbstractButton*>(QStringLiteral("pushButton_Param"));
}

// The reference the widget makes now, read back by GDAL.
OGRSpatialReference made(CSpatialRefMakerWidget& w)
{
    int epsg = 0;
    CSpatialReference* srs = w.MakeSpatialReference(epsg);
    const OGRSpatialReference ogr = readWithGdal(srs);
    w.DestroySpatialReference(srs);
    return ogr;
}

// Fills the Gauss-Krüger dialog and presses OK.
void fillGauss(const char* meridian, bool prefix, bool save, const char* scale)
{
    onModal([=](QWidget* shown) {
        child<QComboBox>(shown, "cbZone")->setCurrentIndex(0);
        child<QLineEdit>(shown, "leMeridian")->setText(meridian);
        child<QCheckBox>(shown, "chkAddZoneNO")->setChecked(prefix);
        child<QCheckBox>(shown, "chkSaveParameter")->setChecked(save);
        child<QLineEdit>(shown, "leScale")->setText(scale);
        child<QAbstractButton>(shown, "btnOk")->click();
    });
}

} // namespace

TEST(SpatialRefMakerWidget, RowsEnableTheButtonOpenTheirDialogAndMakeTheirReference)
{
    CSpatialRefMakerWidget w;
    EXPECT_FALSE(paramButton(w)->isEnabled());
    QSignalSpy spy(&w, SIGNAL(SigCurrentIndexChanged(int)));
    const struct
    {
        E_COORDINATE_SYSTEM row;
        bool enabled;
        const char* code; // of the whole reference; null for the datum rows
    } cases[] = { { COORD_CGCS2000_GAUSS, true, nullptr }, { COORD_WGS84_LNGLAT, false, "4326" },
        { COORD_WGS84_UTM, true, "32650" }, { COORD_WGS84_WEB_MERCATOR, false, "3857" } };
    for (const auto& c : cases) {
        w.SetSpatialRef(c.row);
        EXPECT_EQ(paramButton(w)->isEnabled(), c.enabled) << c.row;
        EXPECT_EQ(spy.takeFirst().at(0).toInt(), c.row);
        EXPECT_STREQ(made(w).GetAuthorityCode(nullptr), c.code);
    }
    EXPECT_EQ(w.GetVectorCoordSys(), VECTOR_WGS84_WEB_MERCATOR);
    w.SetFilePath(writeDxf(QStringLiteral("bd.dxf"), QStringLiteral("39500000")));
    const int locals[][2] = { { 13, 3 }, { 14, 5 }, { 15, 2 }, { 16, 4 } };
    for (const auto& [row, local] : locals) {
        w.SetSpatialRef(static_cast<E_COORDINATE_SYSTEM>(row));
        int epsg = 0;
        EXPECT_EQ(w.MakeSpatialReference(epsg)->GetLocalGeoSRS(), local) << "shared, not freed";
    }
    EXPECT_TRUE(Access::params(w).filePathPending) << "no DXF guess";
    // Rows without parameters open nothing (a dialog would block here).
    w.SlotPushButtonParamClicked();
    w.SetSpatialRef(COORD_WGS84_UTM);
    onModal([](QWidget* shown) {
        child<QSpinBox>(shown, "sbZone")->setValue(51);
        child<QRadioButton>(shown, "rbSouth")->setChecked(true);
        child<QAbstractButton>(shown, "btnOk")->click();
    });
    paramButton(w)->click();
    EXPECT_STREQ(made(w).GetAuthorityCode(nullptr), "32751");
}

TEST(SpatialRefMakerWidget, SavedDefaultsSurviveAFreshManagerReadingTheFiles)
{
    CSpatialRefWktConfigManager first;
    {
        CSpatialRefMakerWidget w;
        Access::setManager(w, &first);
        w.SetSpatialRef(COORD_XIAN80_GAUSS);
        fillGauss("120", true, true, "3.5");
        paramButton(w)->click();
    }
    EXPECT_TRUE(QFile::exists(configDir() + QStringLiteral("/Profiles/xian80_SpatialRef_prj.ini")));
    CSpatialRefWktConfigManager fresh;
    CSpatialRefMakerWidget w;
    Access::setManager(w, &fresh);
    w.SetParameter(99, false, ELLIPOSE_ZONE_6, true); // presets, replaced by the stored defaults
    w.SetSpatialRef(COORD_XIAN80_GAUSS);
    EXPECT_EQ(gaussOf(made(w)), std::make_tuple(120.0, 40500000.0, 3.5));
    w.SetSpatialRef(COORD_BEIJING54_GAUSS); // nothing stored: the presets
    EXPECT_DOUBLE_EQ(made(w).GetProjParm(SRS_PP_CENTRAL_MERIDIAN), 99);
}

TEST(SpatialRefMakerWidget, CorruptOrUnwritableProfilesFallBackToThePresets)
{
    const QString file = configDir() + QStringLiteral("/Profiles/cgcs2000_SpatialRef_prj.ini");
    QDir().mkpath(configDir() + QStringLiteral("/Profiles"));
    writeFile(file, "[SpatialRef]\nSave=true\nMeridian=not a number\n");
    CSpatialRefWktConfigManager manager;
    CSpatialRefMakerWidget w;
    Access::setManager(w, &manager);
    w.SetMeridian(111);
    takeLog();
    w.SetSpatialRef(COORD_CGCS2000_GAUSS);
    EXPECT_TRUE(takeLog().contains(QStringLiteral("坐标系默认参数读取失败！")));
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 111);
    QFile::remove(file);
    QDir().mkpath(file); // a folder where the file should be
    fillGauss("114", false, true, "0");
    paramButton(w)->click();
    EXPECT_TRUE(takeLog().contains(QStringLiteral("坐标系默认参数保存失败！")));
    EXPECT_DOUBLE_EQ(made(w).GetProjParm(SRS_PP_CENTRAL_MERIDIAN), 114);
}

TEST(SpatialRefMakerWidget, SettingsGroupHoldsEveryParameterOnlyWhenSaved)
{
    const auto values = [](const SpatialRefParameters& q) {
        return QString::asprintf("%d %g %d %d %d %g %g %g ", q.save, q.meridian, q.addZoneNO,
                   q.zoning, q.north, q.latitudeOfOrigin, q.falseEasting, q.falseNorthing)
            + QString::fromStdString(q.SevenText());
    };
    QSettings ini(ConfigIni::filePath(), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Group"));
    CSpatialRefMakerWidget w;
    w.SetSpatialRef(COORD_XIAN80_GAUSS);
    SpatialRefParameters& p = Access::params(w);
    w.SetParameter(93, true, ELLIPOSE_ZONE_6, false);
    p.save = false;
    Access::saveConfig(w, "Group");
    EXPECT_EQ(ini.childKeys(), QStringList("Save"));
    p.meridian = p.seven.params[0] = 5;
    Access::readConfig(w, "Group"); // not saved: the presets, no seven parameters
    EXPECT_EQ(values(p), "0 93 1 6 0 0 0 0 0,0,0,0,0,0,0");

    p.save = true;
    std::tie(p.meridian, p.latitudeOfOrigin, p.falseEasting, p.falseNorthing, p.seven.params[2])
        = std::make_tuple(126, 1.5, 12.5, -3, -7.25);
    Access::saveConfig(w, "Group");
    QStringList stored;
    for (const QString& key : ini.childKeys())
        stored << key + "=" + ini.value(key).toString();
    EXPECT_EQ(stored.join(' '),
        "EPSG=-1 E_COORDINATE_SYSTEM=1 FalseEasting=12.5 FalseNorthing=-3 "
        "Hzone=true LatitudeOfOrigin=1.5 Meridian=126 North=false "
        "Save=true SevenData=0,0,-7.25,0,0,0,0 zone=6");
    CSpatialRefMakerWidget fresh;
    Access::readConfig(fresh, "Group");
    EXPECT_EQ(values(Access::params(fresh)), values(p));
    // Missing keys are stored with their defaults.
    for (const char* key : { "zone", "FalseNorthing", "SevenData" })
        ini.remove(key);
    ini.sync();
    Access::readConfig(fresh, "Group");
    EXPECT_EQ(values(Access::params(fresh)), "1 126 1 3 0 1.5 12.5 0 0,0,0,0,0,0,0");
    ini.sync();
    EXPECT_EQ(
        ini.value("zone").toString() + " " + ini.value("SevenData").toString(), "3 0,0,0,0,0,0,0");
}

TEST(CoordSysWidgets, Screenshots)
{
    CSpatialRefMakerWidget maker;
    maker.SetSpatialRef(COORD_CGCS2000_GAUSS);
    checkScreenshot(&maker, QStringLiteral("CSpatialRefMakerWidget"), 549, 25);
    QCoordComboBox box;
    box.resize(298, 25);
    checkScreenshot(&box, QStringLiteral("QCoordComboBox"), 298, 25);
    MoreCoordSys catalogue;
    catalogue.preselect(4498);
    checkScreenshot(&catalogue, QStringLiteral("MoreCoordSys"), 400, 448);
    DlgVectorGauss gauss;
    DlgVectorUTM utm;
    const std::tuple<QDialog*, const char*, int, int> dialogs[]
        = { { &gauss, "DlgVectorGauss", 300, 400 }, { &utm, "DlgVectorUTM", 250, 100 } };
    for (const auto& [dialog, name, width, height] : dialogs) {
        onModal([name = name, width = width, height = height](QWidget* shown) {
            checkScreenshot(shown, QLatin1String(name), width, height);
            static_cast<QDialog*>(shown)->reject();
        });
        dialog->exec();
    }
}
