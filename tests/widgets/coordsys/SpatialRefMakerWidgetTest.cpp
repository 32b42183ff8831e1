#include "CoordSysTestSupport.h"

#include "OvCoordSystem/geodesy/SpatialReference.h"
#include "OvCoordSystem/geodesy/SpatialReferenceFactorySingleton.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/config/SpatialRefWktConfig.h"
#include "OvCoordSystem/host/widgets/DlgVectorGauss.h"
#include "OvCoordSystem/host/widgets/DlgVectorUTM.h"
#include "OvCoordSystem/widgets/coordsys/DlgSetSpaced.h"
#include "OvCoordSystem/widgets/coordsys/MoreCoordSys_p.h"
#include "OvCoordSystem/widgets/coordsys/QCoordComboBox.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefMakerWidget.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefParameters.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefWktConfigManager.h"
#include "OvCoordSystem/widgets/coordsys/TbtnCoord.h"

#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>

#include <ogr_spatialref.h>

using namespace coordsystest;

// Reaches the manager and parameters the widget keeps to itself.
struct CSpatialRefMakerWidgetTestAccess
{
    static void setManager(CSpatialRefMakerWidget& w, CSpatialRefWktConfigManager* manager)
    {
        w.m_manager = manager;
    }
    static SpatialRefParameters& params(CSpatialRefMakerWidget& w) { return w.m_params; }
    static auto* param(QWidget& w) { return child<QAbstractButton>(&w, "pushButton_Param"); }
    static void readConfig(CSpatialRefMakerWidget& w, const QString& g) { w.ReadConfigToUi(g); }
    static void saveConfig(CSpatialRefMakerWidget& w, const QString& g) { w.SaveConfigFromUi(g); }
};
using Access = CSpatialRefMakerWidgetTestAccess;

namespace {

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
    EXPECT_FALSE(Access::param(w)->isEnabled());
    QSignalSpy spy(&w, SIGNAL(SigCurrentIndexChanged(int)));
    // Row, button enabled, code of the whole reference (null for the datum rows).
    const std::tuple<E_COORDINATE_SYSTEM, bool, const char*> cases[]
        = { { COORD_CGCS2000_GAUSS, true, nullptr }, { COORD_WGS84_LNGLAT, false, "4326" },
              { COORD_WGS84_UTM, true, "32650" }, { COORD_WGS84_WEB_MERCATOR, false, "3857" } };
    for (const auto& [row, enabled, code] : cases) {
        w.SetSpatialRef(row);
        EXPECT_TRUE(
            Access::param(w)->isEnabled() == enabled && spy.takeFirst().at(0).toInt() == row)
            << row;
        EXPECT_STREQ(made(w).GetAuthorityCode(nullptr), code);
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
    Access::param(w)->click();
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
        Access::param(w)->click();
    }
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
    EXPECT_TRUE(
        takeLog().contains(QStringLiteral("坐标系默认参数读取失败！")) && w.GetMeridian() == 111);
    QFile::remove(file);
    QDir().mkpath(file); // a folder where the file should be
    fillGauss("114", false, true, "0");
    Access::param(w)->click();
    EXPECT_TRUE(takeLog().contains(QStringLiteral("坐标系默认参数保存失败！"))
        && made(w).GetProjParm(SRS_PP_CENTRAL_MERIDIAN) == 114);
}

TEST(SpatialRefMakerWidget, SettingsGroupHoldsEveryParameterOnlyWhenSaved)
{
    QSettings ini(ConfigIni::filePath(), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Group"));
    // "save meridian prefix zoning north origin easting northing seven |" and the group's keys.
    const auto state = [&ini](CSpatialRefMakerWidget& w) {
        const SpatialRefParameters& q = Access::params(w);
        QString text = QString::asprintf("%d %g %d %d %d %g %g %g %s |", q.save, q.meridian,
            q.addZoneNO, q.zoning, q.north, q.latitudeOfOrigin, q.falseEasting, q.falseNorthing,
            q.SevenText().c_str());
        for (const QString& key : ini.childKeys())
            text += ' ' + key + '=' + ini.value(key).toString();
        return text;
    };
    CSpatialRefMakerWidget w;
    w.SetSpatialRef(COORD_BEIJING54_GAUSS);
    w.SetParameter(93, true, ELLIPOSE_ZONE_6, false);
    SpatialRefParameters& p = Access::params(w);
    Access::saveConfig(w, "Group");
    p.meridian = p.seven.params[0] = 5;
    Access::readConfig(w, "Group"); // not saved: the presets, no seven parameters
    EXPECT_EQ(state(w), "0 93 1 6 0 0 0 0 0,0,0,0,0,0,0 | Save=false");

    p.save = true;
    std::tie(p.meridian, p.latitudeOfOrigin, p.falseEasting, p.falseNorthing, p.seven.params[2])
        = std::make_tuple(126, 1.5, 12.5, -3, -7.25);
    Access::saveConfig(w, "Group");
    CSpatialRefMakerWidget fresh;
    Access::readConfig(fresh, "Group");
    const QString saved = "1 126 1 %3 0 1.5 12.5 %1 %2 | EPSG=-1 E_COORDINATE_SYSTEM=0 "
                          "FalseEasting=12.5 FalseNorthing=%1 Hzone=true LatitudeOfOrigin=1.5 "
                          "Meridian=126 North=false Save=true SevenData=%2 zone=%3";
    EXPECT_EQ(state(fresh), saved.arg("-3", "0,0,-7.25,0,0,0,0", "6"));
    for (const char* key : { "zone", "FalseNorthing", "SevenData" })
        ini.remove(key);
    Access::readConfig(fresh, "Group"); // missing keys: their defaults, stored
    EXPECT_EQ(state(fresh), saved.arg("0", "0,0,0,0,0,0,0", "3"));
}

// Also run by the demo, which shows these pictures.
TEST(CoordSysWidgets, Screenshots)
{
    CSpatialRefMakerWidget maker;
    maker.SetSpatialRef(COORD_CGCS2000_GAUSS);
    QCoordComboBox box;
    box.resize(298, 25);
    MoreCoordSys catalogue;
    catalogue.preselect(4498);
    DlgVectorGauss gauss;
    DlgVectorUTM utm;
    CDlgSetSpaced spacing;
    TbtnCoord button;
    button.menu()->popup(QPoint(0, 0));
    const std::tuple<QWidget*, const char*, int, int> widgets[]
        = { { &maker, "CSpatialRefMakerWidget", 549, 25 }, { &box, "QCoordComboBox", 298, 25 },
              { &catalogue, "MoreCoordSys", 400, 448 }, { &gauss, "DlgVectorGauss", 300, 400 },
              { &utm, "DlgVectorUTM", 250, 100 }, { &spacing, "CDlgSetSpaced", 300, 140 },
              { button.menu(), "TbtnCoord-menu", 100, 60 } };
    for (const auto& [widget, name, width, height] : widgets)
        checkScreenshot(widget, name, width, height);
    button.menu()->hide();
}

TEST(DlgVectorGauss, ValidatesTheFieldsAndReportsTheZonesOrigin)
{
    const std::tuple<const char*, const char*, int, const char*> cases[] = {
        { "leMeridian", "181", 2, "中央经线须为-180到180之间的数值" },
        { "leMeridian", "118", 0, "3度带的中央经线须为3的倍数" },
        { "leMeridian", "114", 1, "6度带的中央经线须为6的倍数减3" },
        { "leLatitudeOfOrigin", "91", 2, "起始纬度须为-90到90之间的数值" },
        { "leFalseNorthing", "", 2, "北偏移须为数值" }, { "leRz", "0,5", 0, "七参数须为数值" },
        { "leMeridian", "111", 1, "" }, // no message: OK is enabled
    }; // edit, text, zone row, message
    for (const auto& [edit, text, zoneRow, message] : cases) {
        DlgVectorGauss dialog;
        dialog.setAddZoneNO(true);
        onModal(
            [&, edit = edit, text = text, zoneRow = zoneRow, message = message](QWidget* shown) {
                child<QComboBox>(shown, "cbZone")->setCurrentIndex(zoneRow);
                child<QLineEdit>(shown, edit)->setText(QLatin1String(text));
                EXPECT_EQ(child<QLabel>(shown, "lbError")->text(), QString::fromUtf8(message));
                auto* ok = child<QAbstractButton>(shown, "btnOk");
                EXPECT_EQ(ok->isEnabled(), !*message);
                ok->isEnabled() ? ok->click() : static_cast<QDialog*>(shown)->reject();
            });
        dialog.exec();
        EXPECT_EQ(dialog.getIsValid(), !*message) << edit << " " << text;
    }
}

TEST(SpatialRefWktConfig, RoundTripAndBadFiles)
{
    const std::string path = configDir().toStdString() + "/Round/round.ini";
    CSpatialRefWktConfig config;
    ASSERT_TRUE(config.LoadConfigOrCreateIfNoExist(path)) << "created when missing";
    const tagSpatialRefWktFields fields { true, "PROJCS[\"a=b\",\nGEOGCS[\"x\"]]",
        117.123456789012345, 6, 1.5, -2, 3e6, "1,2,3,4,5,6,7" };
    config.SetFields(fields);
    ASSERT_TRUE(config.SaveParameter(path));
    CSpatialRefWktConfig reader;
    ASSERT_TRUE(reader.LoadConfigOrCreateIfNoExist(path));
    const auto all = [](const tagSpatialRefWktFields& f) {
        return std::tie(f.save, f.meridian, f.zone, f.latitudeOfOrigin, f.falseEasting,
            f.falseNorthing, f.sevenData);
    };
    EXPECT_TRUE(all(reader.GetFields()) == all(fields));
    EXPECT_EQ(reader.GetFields().wkt, "PROJCS[\"a=b\", GEOGCS[\"x\"]]") << "one line per key";

    for (const char* content : { "", "Save=true\n", "[SpatialRef]\nSave true\n",
             "[SpatialRef]\nSave=perhaps\n", "[SpatialRef]\nZone=three\n" }) {
        writeFile(QString::fromStdString(path), content);
        EXPECT_FALSE(reader.LoadConfigOrCreateIfNoExist(path)) << content;
        EXPECT_EQ(reader.GetFields().zone, 6) << "the fields stay";
    }
    // A file where the folder should be (a folder where the file should be: the maker's test).
    EXPECT_FALSE(config.SaveParameter(path + "/a.ini"));
    EXPECT_EQ(QDir(configDir() + QStringLiteral("/Round")).entryList(QDir::Files).size(), 1)
        << "no temporary file is left";
}

// False eastings by hand: 500 km, with zone × 10⁶ m in front (zone CM / 3 or (CM + 3) / 6). The
// datums' prefixed zones and seven parameters go through ovcoord srs.
TEST(SpatialRefParameters, GaussKrugerReferencesCheckedWithGdal)
{
    // Zoning, meridian, false easting and northing, scale, prefix, north; a free zone takes the
    // caller's false easting and northing.
    const std::tuple<E_ELLIPOSE_ZONE, double, double, double, double, bool, bool> cases[] = {
        { ELLIPOSE_ZONE_6, 111, 500000, 1e7, -2, false, false },
        { ELLIPOSE_ZONE_FREE, 117.5, 400000, -3e6, 0, true, true },
    };
    for (const auto& [zoning, meridian, falseEasting, falseNorthing, scale, prefix, north] :
        cases) {
        SpatialRefParameters p;
        std::tie(p.coordSys, p.meridian, p.zoning, p.addZoneNO, p.north, p.seven.params[6],
            p.falseEasting, p.falseNorthing)
            = std::make_tuple(
                COORD_CGCS2000_GAUSS, meridian, zoning, prefix, north, scale, 400000.0, -3e6);
        CSpatialReference* made = p.Make(-1);
        const OGRSpatialReference srs = readWithGdal(made);
        CSpatialReferenceFactorySingleton::Instance()->DestroyNamedSRS(made);
        EXPECT_STREQ(srs.GetAttrValue("PROJECTION"), SRS_PT_TRANSVERSE_MERCATOR);
        EXPECT_STREQ(srs.GetAuthorityCode("GEOGCS"), "4490");
        EXPECT_EQ(gaussOf(srs), std::make_tuple(meridian, falseEasting, scale));
        double towgs84[7];
        EXPECT_TRUE(srs.GetProjParm(SRS_PP_FALSE_NORTHING) == falseNorthing
            && (srs.GetTOWGS84(towgs84) == OGRERR_NONE) == (scale != 0));
    }
}

TEST(SpatialRefParameters, InitalParameterTakesTheThreeDegreeZoneOfTheMiddle)
{
    SpatialRefParameters p;
    p.zoning = ELLIPOSE_ZONE_6;
    p.InitalParameter(EXTENT { 116.0, 30.0, 118.4, 40.0 }, false);
    EXPECT_TRUE(p.meridian == 117 && p.zoning == ELLIPOSE_ZONE_3);
    p.InitalParameter(EXTENT { 118.6, 1.0, 119.0, -0.5 }, false);
    EXPECT_TRUE(p.meridian == 120 && !p.north);
    // BD09 lies about 0.0065° east of WGS84 here: the shift moves the middle back into zone 39.
    p.InitalParameter(EXTENT { 118.5, 30.0, 118.5125, 31.0 }, true);
    EXPECT_TRUE(p.meridian == 117 && p.presetMeridian == 117) << "the presets stay";
}

// Outside the Gauss-Krüger datums, or with stored defaults, the file waits. (Making a reference
// runs the guess: ovcoord srs --dxf.)
TEST(SpatialRefParameters, DxfGuessReadsTheZoneNumberOfExtMin)
{
    // File, its X, datum (1 Xian 1980, 2 CGCS2000, 5 UTM), save flag; prefix, pending and
    // meridian after the guess; the log.
    std::tuple<const char*, const char*, int, bool, bool, bool, double, const char*> cases[]
        = { { "zone39.dxf", "39500000.0", 2, false, true, false, 117, "" },
              { "plain.dxf", "500000.0", 2, false, false, false, 108, "" },
              { "zone75.dxf", "75000000.0", 1, false, true, false, 108, "】解析到异常带号：75" },
              { "text.dxf", "abc", 2, false, true, false, 108, "" },
              { "upper.DXF", "39500000", 2, false, true, true, 108, "" },
              { "missing/none.dxf", "", 2, false, true, false, 108, "打开文件失败：" },
              { "saved.dxf", "39500000", 1, true, true, true, 108, "" },
              { "utm.dxf", "39500000", 5, false, true, true, 108, "" } };
    for (const auto& [file, x, datum, save, prefix, pending, meridian, log] : cases) {
        SpatialRefParameters p;
        std::tie(p.coordSys, p.save, p.meridian, p.presetMeridian, p.addZoneNO, p.presetAddZoneNO)
            = std::make_tuple(static_cast<E_COORDINATE_SYSTEM>(datum), save, 108, 108, true, true);
        p.filePath = writeDxf(QString::fromLatin1(file), QString::fromLatin1(x));
        p.filePathPending = true;
        takeLog();
        p.GuessFromDxf();
        EXPECT_TRUE(p.filePathPending == pending && p.presetAddZoneNO == prefix
            && p.presetMeridian == meridian)
            << file;
        EXPECT_TRUE(takeLog().contains(QString::fromUtf8(log))) << file;
    }
}

// (SevenText: the maker's settings-group test.)
TEST(SpatialRefParameters, SevenTextIsReadByPosition)
{
    // Text, well formed, the second and the last parameter.
    const std::tuple<const char*, bool, double, double> cases[] = { { "1,2,3,4,5,6,7", true, 2, 7 },
        { "1,2", false, 2, 0 }, { "1,x,3,4,5,6,inf", false, 0, 0 } };
    for (const auto& [text, wellFormed, second, last] : cases) {
        SpatialRefParameters p;
        takeLog();
        EXPECT_EQ(p.SetSevenFromText(text), wellFormed) << text;
        EXPECT_TRUE(p.seven.params[1] == second && p.seven.params[6] == last) << text;
        EXPECT_EQ(takeLog().contains(QStringLiteral("七参数格式错误")), !wellFormed);
    }
}
