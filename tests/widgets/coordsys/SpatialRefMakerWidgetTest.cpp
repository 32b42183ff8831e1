#include "CoordSysTestSupport.h"

#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/widgets/coordsys/QCoordComboBox.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefMakerWidget.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefWktConfigManager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>

#include <ogr_spatialref.h>

#include <gtest/gtest.h>

#include <memory>

// Reaches the widget's private parts that no public path calls.
struct CSpatialRefMakerWidgetTestAccess
{
    static void setManager(CSpatialRefMakerWidget& w, CSpatialRefWktConfigManager* manager)
    {
        w.m_manager = manager;
    }
    static void readConfig(CSpatialRefMakerWidget& w, const QString& group)
    {
        w.ReadConfigToUi(group);
    }
    static void saveConfig(CSpatialRefMakerWidget& w, const QString& group)
    {
        w.SaveConfigFromUi(group);
    }
    static SpatialRefParameters& params(CSpatialRefMakerWidget& w) { return w.m_params; }
};
using Access = CSpatialRefMakerWidgetTestAccess;

using namespace coordsystest;

namespace {

QPushButton* paramButton(CSpatialRefMakerWidget& w)
{
    return w.findChild<QPushButton*>(QStringLiteral("pushButton_Param"));
}

// The reference the widget makes now, read back by GDAL.
OGRSpatialReference made(CSpatialRefMakerWidget& w, int* epsg = nullptr)
{
    int code = 0;
    CSpatialReference* srs = w.MakeSpatialReference(code);
    if (epsg) *epsg = code;
    OGRSpatialReference ogr;
    if (srs) ogr.importFromWkt(srs->ToWktString().c_str());
    w.DestroySpatialReference(srs);
    return ogr;
}

// Sets the Gauss-Krüger dialog's form and presses OK.
void fillGauss(const char* meridian, int zoneRow, bool prefix, bool save, const char* scale)
{
    onModal([=](QWidget* shown) {
        shown->findChild<QComboBox*>(QStringLiteral("cbZone"))->setCurrentIndex(zoneRow);
        shown->findChild<QLineEdit*>(QStringLiteral("leMeridian"))
            ->setText(QString::fromLatin1(meridian));
        shown->findChild<QCheckBox*>(QStringLiteral("chkAddZoneNO"))->setChecked(prefix);
        shown->findChild<QCheckBox*>(QStringLiteral("chkSaveParameter"))->setChecked(save);
        shown->findChild<QLineEdit*>(QStringLiteral("leScale"))
            ->setText(QString::fromLatin1(scale));
        shown->findChild<QAbstractButton*>(QStringLiteral("btnOk"))->click();
    });
}

void removeProfiles()
{
    QDir(configDir() + QStringLiteral("/Profiles")).removeRecursively();
}

} // namespace

TEST(SpatialRefMakerWidget, FormAndInitialState)
{
    CSpatialRefMakerWidget w;
    EXPECT_EQ(w.size(), QSize(549, 25));
    auto* box = w.findChild<QCoordComboBox*>(QStringLiteral("comboBox_SpatialReferences"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->minimumSize(), QSize(298, 25));
    EXPECT_EQ(box->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    EXPECT_EQ(box->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QPushButton* button = paramButton(w);
    EXPECT_EQ(button->text(), QStringLiteral("参数"));
    EXPECT_EQ(button->minimumSize(), QSize(70, 25));
    EXPECT_EQ(button->maximumSize(), QSize(70, 25));
    EXPECT_FALSE(button->isEnabled());
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 117);
    EXPECT_EQ(w.GetZoning(), ELLIPOSE_ZONE_3);
    EXPECT_TRUE(w.GetIsNorth());
    EXPECT_FALSE(w.GetAddHasZone());
    const std::map<std::string, double> parms = w.GetMapSRSProjParm();
    EXPECT_EQ(parms.size(), 3u);
    EXPECT_EQ(parms.at("false_easting"), 0);
}

TEST(SpatialRefMakerWidget, RowsEnableTheButtonAndMakeTheirReference)
{
    removeProfiles();
    CSpatialRefMakerWidget w;
    QSignalSpy spy(&w, SIGNAL(SigCurrentIndexChanged(int)));
    struct Case
    {
        E_COORDINATE_SYSTEM row;
        bool buttonEnabled;
        const char* authorityCode; // of the whole reference; null when it has none
        int epsg;
    };
    const Case cases[] = {
        { COORD_CGCS2000_GAUSS, true, nullptr, -1 },
        { COORD_WGS84_LNGLAT, false, "4326", 4326 },
        { COORD_WGS84_UTM, true, "32650", -1 },
        { COORD_WGS84_WEB_MERCATOR, false, "3857", 3857 },
    };
    for (const Case& c : cases) {
        w.SetSpatialRef(c.row);
        EXPECT_EQ(paramButton(w)->isEnabled(), c.buttonEnabled) << c.row;
        EXPECT_EQ(spy.last().at(0).toInt(), c.row);
        int epsg = 0;
        const OGRSpatialReference srs = made(w, &epsg);
        EXPECT_EQ(epsg, c.epsg);
        EXPECT_FALSE(srs.IsEmpty());
        if (c.authorityCode) {
            EXPECT_STREQ(srs.GetAuthorityCode(nullptr), c.authorityCode);
        }
    }
    EXPECT_EQ(w.GetVectorCoordSys(), VECTOR_WGS84_WEB_MERCATOR);
    EXPECT_EQ(w.GetCurrentText(), QStringLiteral("WGS84 Web 墨卡托投影"));
    w.SetCurrentIndex(3);
    EXPECT_EQ(spy.count(), 4) << "SetCurrentIndex does not run the selection";
    EXPECT_EQ(w.getCurCoordSys(), COORD_BEIJING54_GAUSS);
}

TEST(SpatialRefMakerWidget, Bd09RowGivesTheLocalSystemWithoutTheDxfGuess)
{
    CSpatialRefMakerWidget w;
    w.SetFilePath(writeDxf(QStringLiteral("bd.dxf"), QStringLiteral("39500000")));
    w.SetSpatialRef(COORD_BD09_LNGLAT);
    int epsg = 0;
    CSpatialReference* srs = w.MakeSpatialReference(epsg);
    ASSERT_NE(srs, nullptr);
    EXPECT_EQ(srs->GetLocalGeoSRS(), LOCAL_GEO_SRS_BD09_LNGLAT);
    w.DestroySpatialReference(srs);
    EXPECT_TRUE(Access::params(w).filePathPending);
    EXPECT_FALSE(w.GetAddHasZone());
}

TEST(SpatialRefMakerWidget, ParamButtonOpensTheDialogOfTheRow)
{
    CSpatialRefMakerWidget w;
    w.SetSpatialRef(COORD_WGS84_UTM);
    onModal([](QWidget* shown) {
        shown->findChild<QSpinBox*>(QStringLiteral("sbZone"))->setValue(51);
        shown->findChild<QRadioButton*>(QStringLiteral("rbSouth"))->setChecked(true);
        shown->findChild<QAbstractButton*>(QStringLiteral("btnOk"))->click();
    });
    paramButton(w)->click();
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 123);
    EXPECT_FALSE(w.GetIsNorth());
    EXPECT_STREQ(made(w).GetAuthorityCode(nullptr), "32751");

    // A WGS84 or BD09 row opens nothing: a dialog would be closed here and counted.
    int opened = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++opened;
            modal->close();
        }
    });
    closer.start(0);
    for (const E_COORDINATE_SYSTEM cs : { COORD_WGS84_LNGLAT, COORD_BD09_WEB_MERCATOR }) {
        w.SetSpatialRef(cs);
        w.SlotPushButtonParamClicked();
    }
    EXPECT_EQ(opened, 0);
}

TEST(SpatialRefMakerWidget, SavedDefaultsSurviveAFreshManagerReadingTheFiles)
{
    removeProfiles();
    CSpatialRefWktConfigManager first;
    {
        CSpatialRefMakerWidget w;
        Access::setManager(w, &first);
        w.SetSpatialRef(COORD_XIAN80_GAUSS);
        fillGauss("120", 0, true, true, "3.5");
        paramButton(w)->click();
        EXPECT_DOUBLE_EQ(w.GetMeridian(), 120);
        EXPECT_TRUE(w.GetAddHasZone());
    }
    const QString file = QString::fromStdString(first.FilePath(COORD_XIAN80_GAUSS));
    EXPECT_TRUE(file.endsWith(QStringLiteral("Profiles/xian80_SpatialRef_prj.ini")));
    ASSERT_TRUE(QFile::exists(file));

    CSpatialRefWktConfigManager fresh;
    CSpatialRefMakerWidget w;
    Access::setManager(w, &fresh);
    w.SetParameter(99, false, ELLIPOSE_ZONE_6, true); // presets the stored defaults replace
    w.SetSpatialRef(COORD_XIAN80_GAUSS);
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 120);
    EXPECT_TRUE(w.GetAddHasZone());
    EXPECT_EQ(w.GetZoning(), ELLIPOSE_ZONE_3);
    double seven[7];
    w.GetSevenData(seven);
    EXPECT_DOUBLE_EQ(seven[6], 3.5);
    const OGRSpatialReference srs = made(w);
    EXPECT_DOUBLE_EQ(srs.GetProjParm(SRS_PP_FALSE_EASTING), 40500000);
    EXPECT_DOUBLE_EQ(srs.GetProjParm(SRS_PP_CENTRAL_MERIDIAN), 120);
    double towgs84[7];
    ASSERT_EQ(srs.GetTOWGS84(towgs84), OGRERR_NONE);
    EXPECT_DOUBLE_EQ(towgs84[6], 3.5);

    // Other datums have no stored defaults: the presets apply.
    w.SetSpatialRef(COORD_BEIJING54_GAUSS);
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 99);
    EXPECT_EQ(w.GetZoning(), ELLIPOSE_ZONE_6);
    const OGRSpatialReference beijing = made(w);
    EXPECT_DOUBLE_EQ(beijing.GetProjParm(SRS_PP_FALSE_EASTING), 500000);
    EXPECT_STREQ(beijing.GetAuthorityCode("GEOGCS"), "4214");

    // Saving without "save" stores the flag off: the next read takes the presets.
    w.SetSpatialRef(COORD_XIAN80_GAUSS);
    fillGauss("123", 0, false, false, "0");
    paramButton(w)->click();
    CSpatialRefWktConfigManager third;
    Access::setManager(w, &third);
    w.SetSpatialRef(COORD_XIAN80_GAUSS);
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 99);
}

TEST(SpatialRefMakerWidget, CorruptOrUnwritableProfilesFallBackToThePresets)
{
    removeProfiles();
    QDir().mkpath(configDir() + QStringLiteral("/Profiles"));
    QFile corrupt(configDir() + QStringLiteral("/Profiles/cgcs2000_SpatialRef_prj.ini"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("[SpatialRef]\nSave=true\nMeridian=not a number\n");
    corrupt.close();
    CSpatialRefWktConfigManager manager;
    CSpatialRefMakerWidget w;
    Access::setManager(w, &manager);
    w.SetMeridian(111);
    LogCapture log;
    w.SetSpatialRef(COORD_CGCS2000_GAUSS);
    EXPECT_TRUE(log.contains(QStringLiteral("坐标系默认参数读取失败！")));
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 111);
    EXPECT_TRUE(paramButton(w)->isEnabled());

    // A folder where the file should be: storing fails, is logged, and the widget goes on.
    QFile::remove(corrupt.fileName());
    QDir().mkpath(corrupt.fileName());
    fillGauss("114", 0, false, true, "0");
    paramButton(w)->click();
    EXPECT_TRUE(log.contains(QStringLiteral("坐标系默认参数保存失败！")));
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 114);
    EXPECT_FALSE(made(w).IsEmpty());
}

TEST(SpatialRefMakerWidget, CatalogueChoiceTakesItsParametersFromTheCode)
{
    CSpatialRefMakerWidget w;
    onModal([](QWidget* shown) {
        auto* tree = shown->findChild<QTreeWidget*>(QStringLiteral("twCoordSys"));
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->childCount() == 0 && (*it)->data(0, 1).toInt() == 4498) {
                emit tree->itemDoubleClicked(*it, 0);
                return;
            }
        }
        ADD_FAILURE() << "4498 is not listed";
    });
    w.SetSpatialRef(COORD_BY_EPSG);
    EXPECT_EQ(w.getEpsg(), 4498);
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 117);
    EXPECT_EQ(w.GetZoning(), ELLIPOSE_ZONE_6);
    EXPECT_TRUE(w.GetAddHasZone());
    EXPECT_TRUE(paramButton(w)->isEnabled());
    EXPECT_STREQ(made(w).GetAuthorityCode(nullptr), "4498");

    // The Gauss-Krüger dialog shows the code's meridian, fixed, without the save option.
    onModal([](QWidget* shown) {
        EXPECT_FALSE(shown->findChild<QLineEdit*>(QStringLiteral("leMeridian"))->isEnabled());
        EXPECT_FALSE(shown->findChild<QCheckBox*>(QStringLiteral("chkSaveParameter"))->isVisible());
        shown->findChild<QAbstractButton*>(QStringLiteral("btnCancel"))->click();
    });
    paramButton(w)->click();
}

TEST(SpatialRefMakerWidget, DxfFileSetsTheZoneBeforeTheDialogOpens)
{
    removeProfiles();
    CSpatialRefWktConfigManager manager;
    CSpatialRefMakerWidget w;
    Access::setManager(w, &manager);
    w.SetSpatialRef(COORD_BEIJING54_GAUSS);
    w.SetFilePath(writeDxf(QStringLiteral("zone38.dxf"), QStringLiteral("38431000.25")));
    onModal([](QWidget* shown) {
        EXPECT_EQ(shown->findChild<QLineEdit*>(QStringLiteral("leMeridian"))->text(),
            QStringLiteral("114"));
        EXPECT_TRUE(shown->findChild<QCheckBox*>(QStringLiteral("chkAddZoneNO"))->isChecked());
        shown->findChild<QAbstractButton*>(QStringLiteral("btnCancel"))->click();
    });
    paramButton(w)->click();
    EXPECT_DOUBLE_EQ(w.GetMeridian(), 114);
    EXPECT_DOUBLE_EQ(made(w).GetProjParm(SRS_PP_FALSE_EASTING), 38500000);
}

TEST(SpatialRefMakerWidget, ConfigGroupKeepsTheParametersOnlyWhenSaved)
{
    const QString group = QStringLiteral("CGCS2000SpatialRef");
    CSpatialRefMakerWidget w;
    w.SetSpatialRef(COORD_CGCS2000_GAUSS);
    SpatialRefParameters& p = Access::params(w);
    p.save = false;
    Access::saveConfig(w, group);
    EXPECT_EQ(ConfigIni::getConfig(group, QStringLiteral("Save")).toBool(), false);
    EXPECT_FALSE(ConfigIni::getConfig(group, QStringLiteral("Meridian")).isValid());

    p.save = true;
    p.meridian = 126;
    p.addZoneNO = true;
    p.zoning = ELLIPOSE_ZONE_6;
    p.north = false;
    p.falseEasting = 12.5;
    p.seven.params[2] = -7.25;
    Access::saveConfig(w, group);
    EXPECT_EQ(ConfigIni::getConfig(group, QStringLiteral("E_COORDINATE_SYSTEM")).toInt(), 2);
    EXPECT_EQ(ConfigIni::getConfig(group, QStringLiteral("SevenData")).toString(),
        QStringLiteral("0,0,-7.25,0,0,0,0"));

    CSpatialRefMakerWidget other;
    Access::readConfig(other, group);
    const SpatialRefParameters& q = Access::params(other);
    EXPECT_TRUE(q.save);
    EXPECT_DOUBLE_EQ(q.meridian, 126);
    EXPECT_TRUE(q.addZoneNO);
    EXPECT_EQ(q.zoning, ELLIPOSE_ZONE_6);
    EXPECT_FALSE(q.north);
    EXPECT_DOUBLE_EQ(q.falseEasting, 12.5);
    EXPECT_DOUBLE_EQ(q.seven.params[2], -7.25);

    // A short or wordy SevenData is taken by position and logged.
    ConfigIni::setConfig(group, QStringLiteral("SevenData"), QStringLiteral("1,2"));
    LogCapture log;
    Access::readConfig(other, group);
    EXPECT_DOUBLE_EQ(q.seven.params[1], 2);
    EXPECT_DOUBLE_EQ(q.seven.params[2], 0);
    EXPECT_TRUE(log.contains(QStringLiteral("七参数格式错误")));

    // A group never written: "Save" is stored false and the presets apply.
    other.SetMeridian(93);
    Access::params(other).meridian = 0;
    Access::readConfig(other, QStringLiteral("NoSuchGroup"));
    EXPECT_DOUBLE_EQ(other.GetMeridian(), 93);
    EXPECT_TRUE(
        ConfigIni::getConfig(QStringLiteral("NoSuchGroup"), QStringLiteral("Save")).isValid());
}

TEST(SpatialRefMakerWidget, Screenshot)
{
    CSpatialRefMakerWidget w;
    w.SetSpatialRef(COORD_CGCS2000_GAUSS);
    checkScreenshot(&w, QStringLiteral("CSpatialRefMakerWidget"), 549, 25);
}
