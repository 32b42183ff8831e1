#include "CoordSysTestSupport.h"

#include "OvCoordSystem/host/config/SpatialRefWktConfig.h"
#include "OvCoordSystem/host/widgets/DlgVectorGauss.h"
#include "OvCoordSystem/host/widgets/DlgVectorUTM.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace coordsystest;

namespace {

template <class T> T* child(QWidget* dialog, const char* name)
{
    T* found = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Runs the Gauss-Krüger dialog; EDIT changes the form, then OK is clicked when enabled.
void runGauss(DlgVectorGauss& dialog, std::function<void(QWidget*)> edit)
{
    onModal([edit](QWidget* shown) {
        edit(shown);
        auto* ok = child<QAbstractButton>(shown, "btnOk");
        if (ok->isEnabled())
            ok->click();
        else
            child<QAbstractButton>(shown, "btnCancel")->click();
    });
    dialog.exec();
}

std::string pathIn(const QString& name)
{
    return QDir(configDir()).filePath(name).toStdString();
}

} // namespace

TEST(DlgVectorGauss, ValuesComeBackOnlyAfterOk)
{
    DlgVectorGauss dialog;
    dialog.setMeridian(117);
    dialog.setZone(3);
    dialog.setAddZoneNO(true);
    const double seven[7] = { 1, 2, 3, 0.1, 0.2, 0.3, 4 };
    dialog.setSevenData(seven);
    runGauss(dialog, [](QWidget* shown) {
        EXPECT_EQ(child<QLineEdit>(shown, "leMeridian")->text(), QStringLiteral("117"));
        EXPECT_EQ(child<QLineEdit>(shown, "leFalseEasting")->text(), QStringLiteral("39500000"));
        EXPECT_FALSE(child<QLineEdit>(shown, "leFalseEasting")->isEnabled());
        child<QComboBox>(shown, "cbZone")->setCurrentIndex(1);
        child<QLineEdit>(shown, "leMeridian")->setText(QStringLiteral("111"));
        child<QLineEdit>(shown, "leScale")->setText(QStringLiteral("-2.5"));
        child<QCheckBox>(shown, "chkSaveParameter")->setChecked(true);
    });
    ASSERT_TRUE(dialog.getIsValid());
    EXPECT_DOUBLE_EQ(dialog.getMeridian(), 111);
    EXPECT_EQ(dialog.getZone(), ELLIPOSE_ZONE_6);
    EXPECT_TRUE(dialog.getAddZoneNO());
    EXPECT_TRUE(dialog.getSaveParameter());
    EXPECT_DOUBLE_EQ(dialog.getFalseEasting(), 19500000);
    double back[7];
    dialog.getSevenData(back);
    EXPECT_DOUBLE_EQ(back[0], 1);
    EXPECT_DOUBLE_EQ(back[6], -2.5);

    clickInModal("btnCancel");
    dialog.exec();
    EXPECT_FALSE(dialog.getIsValid());
}

TEST(DlgVectorGauss, InvalidFieldsKeepOkDisabledAndSayWhy)
{
    struct Case
    {
        const char* edit;
        const char* text;
        int zoneRow;
        const char* message;
    };
    const Case cases[] = {
        { "leMeridian", "abc", 0, "中央经线须为-180到180之间的数值" },
        { "leMeridian", "181", 2, "中央经线须为-180到180之间的数值" },
        { "leMeridian", "118", 0, "3度带的中央经线须为3的倍数" },
        { "leMeridian", "114", 1, "6度带的中央经线须为6的倍数减3" },
        { "leLatitudeOfOrigin", "91", 2, "起始纬度须为-90到90之间的数值" },
        { "leFalseEasting", "1e", 2, "东偏移须为数值" },
        { "leFalseNorthing", "", 2, "北偏移须为数值" },
        { "leRz", "0,5", 0, "七参数须为数值" },
        { "leDx", "inf", 2, "七参数须为数值" },
    };
    for (const Case& c : cases) {
        DlgVectorGauss dialog;
        runGauss(dialog, [&c](QWidget* shown) {
            child<QComboBox>(shown, "cbZone")->setCurrentIndex(c.zoneRow);
            child<QLineEdit>(shown, c.edit)->setText(QString::fromLatin1(c.text));
            EXPECT_FALSE(child<QAbstractButton>(shown, "btnOk")->isEnabled()) << c.text;
            EXPECT_EQ(child<QLabel>(shown, "lbError")->text(), QString::fromUtf8(c.message));
        });
        EXPECT_FALSE(dialog.getIsValid()) << c.edit << " " << c.text;
    }
}

TEST(DlgVectorGauss, FreeProjectionAndTheCallersSwitches)
{
    DlgVectorGauss dialog;
    dialog.setMeridian(117.25);
    dialog.setZone(-1);
    dialog.setFalseEasting(250000);
    dialog.setEnableMeridian(false);
    dialog.setSaveParameterVisable(false);
    dialog.HidecAddZoneNO();
    dialog.setAddZoneNO(true);
    runGauss(dialog, [](QWidget* shown) {
        EXPECT_EQ(child<QComboBox>(shown, "cbZone")->currentIndex(), 2);
        EXPECT_FALSE(child<QLineEdit>(shown, "leMeridian")->isEnabled());
        EXPECT_FALSE(child<QCheckBox>(shown, "chkSaveParameter")->isVisible());
        EXPECT_FALSE(child<QCheckBox>(shown, "chkAddZoneNO")->isVisible());
        EXPECT_TRUE(child<QLineEdit>(shown, "leFalseEasting")->isEnabled());
        child<QLineEdit>(shown, "leLatitudeOfOrigin")->setText(QStringLiteral("22.5"));
    });
    ASSERT_TRUE(dialog.getIsValid());
    EXPECT_EQ(dialog.getZone(), ELLIPOSE_ZONE_FREE);
    EXPECT_FALSE(dialog.getAddZoneNO());
    EXPECT_DOUBLE_EQ(dialog.getMeridian(), 117.25);
    EXPECT_DOUBLE_EQ(dialog.getFalseEasting(), 250000);
    EXPECT_DOUBLE_EQ(dialog.getLatitudeOfOrigin(), 22.5);
}

TEST(DlgVectorUTM, ZoneAndHemisphere)
{
    DlgVectorUTM dialog;
    dialog.setMeridian(116.0);
    dialog.setIsNorth(true);
    onModal([](QWidget* shown) {
        EXPECT_EQ(child<QSpinBox>(shown, "sbZone")->value(), 50);
        EXPECT_EQ(child<QLabel>(shown, "lbMeridianValue")->text(), QStringLiteral("117"));
        child<QSpinBox>(shown, "sbZone")->setValue(1);
        EXPECT_EQ(child<QLabel>(shown, "lbMeridianValue")->text(), QStringLiteral("-177"));
        child<QRadioButton>(shown, "rbSouth")->setChecked(true);
        child<QAbstractButton>(shown, "btnOk")->click();
    });
    dialog.exec();
    ASSERT_TRUE(dialog.getIsValid());
    EXPECT_DOUBLE_EQ(dialog.getMeridian(), -177);
    EXPECT_FALSE(dialog.getIsNorth());
    dialog.setMeridian(180.0);
    EXPECT_DOUBLE_EQ(dialog.getMeridian(), 177) << "the last zone holds 180";
    clickInModal("btnCancel");
    dialog.exec();
    EXPECT_FALSE(dialog.getIsValid());
}

TEST(SpatialRefWktConfig, RoundTripAndMissingFileCreated)
{
    const std::string path = pathIn(QStringLiteral("Profiles/round.ini"));
    CSpatialRefWktConfig created;
    ASSERT_TRUE(created.LoadConfigOrCreateIfNoExist(path));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
    EXPECT_FALSE(created.GetFields().save);

    tagSpatialRefWktFields fields;
    fields.save = true;
    fields.wkt = "PROJCS[\"a=b\",\n GEOGCS[\"x\"]]";
    fields.meridian = 117.123456789012345;
    fields.zone = 6;
    fields.latitudeOfOrigin = -12.5;
    fields.falseEasting = 20500000;
    fields.falseNorthing = 1e7;
    fields.sevenData = "1,2,3,4,5,6,7";
    CSpatialRefWktConfig writer;
    writer.SetFields(fields);
    ASSERT_TRUE(writer.SaveParameter(path));
    CSpatialRefWktConfig reader;
    ASSERT_TRUE(reader.LoadConfigOrCreateIfNoExist(path));
    const tagSpatialRefWktFields& back = reader.GetFields();
    EXPECT_TRUE(back.save);
    EXPECT_EQ(back.wkt, "PROJCS[\"a=b\",  GEOGCS[\"x\"]]") << "one line per key";
    EXPECT_EQ(back.meridian, fields.meridian);
    EXPECT_EQ(back.zone, 6);
    EXPECT_EQ(back.latitudeOfOrigin, -12.5);
    EXPECT_EQ(back.falseEasting, 20500000);
    EXPECT_EQ(back.falseNorthing, 1e7);
    EXPECT_EQ(back.sevenData, "1,2,3,4,5,6,7");
    EXPECT_EQ(QDir(configDir() + QStringLiteral("/Profiles")).entryList(QDir::Files).size(), 1)
        << "no temporary file is left";
}

TEST(SpatialRefWktConfig, BadFilesAreRefusedAndLeaveTheFields)
{
    const std::pair<const char*, const char*> cases[] = {
        { "empty", "" },
        { "nogroup", "Save=true\n" },
        { "noequals", "[SpatialRef]\nSave true\n" },
        { "badbool", "[SpatialRef]\nSave=perhaps\n" },
        { "badzone", "[SpatialRef]\nZone=three\n" },
        { "badnumber", "[SpatialRef]\nMeridian=11x\n" },
        { "binary", "\x01\x02\xff\xfe" },
    };
    for (const auto& [name, content] : cases) {
        const std::string path = pathIn(QStringLiteral("bad-%1.ini").arg(QLatin1String(name)));
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        CSpatialRefWktConfig config;
        tagSpatialRefWktFields fields;
        fields.meridian = 42;
        config.SetFields(fields);
        EXPECT_FALSE(config.LoadConfigOrCreateIfNoExist(path)) << name;
        EXPECT_EQ(config.GetFields().meridian, 42) << name;
    }
    // Other groups and unknown keys are skipped; missing keys keep their value.
    const std::string path = pathIn(QStringLiteral("partial.ini"));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; comment\n[Other]\nMeridian=1\n[SpatialRef]\nMeridian=120\nColour=red\n");
    file.close();
    CSpatialRefWktConfig config;
    ASSERT_TRUE(config.LoadConfigOrCreateIfNoExist(path));
    EXPECT_EQ(config.GetFields().meridian, 120);
    EXPECT_EQ(config.GetFields().zone, 3);
}

TEST(SpatialRefWktConfig, UnwritablePlacesFailWithoutHarm)
{
    // A file where the folder should be.
    QFile blocker(configDir() + QStringLiteral("/blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    CSpatialRefWktConfig config;
    EXPECT_FALSE(config.SaveParameter(pathIn(QStringLiteral("blocked/a.ini"))));
    EXPECT_FALSE(config.LoadConfigOrCreateIfNoExist(pathIn(QStringLiteral("blocked/a.ini"))));
    // A folder where the file should be.
    QDir().mkpath(configDir() + QStringLiteral("/folder.ini"));
    EXPECT_FALSE(config.SaveParameter(pathIn(QStringLiteral("folder.ini"))));
    EXPECT_FALSE(config.LoadConfigOrCreateIfNoExist(pathIn(QStringLiteral("folder.ini"))));
    EXPECT_FALSE(config.SaveParameter(std::string()));
}

TEST(HostDialogs, Screenshots)
{
    DlgVectorGauss gauss;
    gauss.setZone(-1);
    onModal([](QWidget* shown) {
        checkScreenshot(shown, QStringLiteral("DlgVectorGauss"), 300, 400);
        child<QAbstractButton>(shown, "btnCancel")->click();
    });
    gauss.exec();
    DlgVectorUTM utm;
    onModal([](QWidget* shown) {
        checkScreenshot(shown, QStringLiteral("DlgVectorUTM"), 250, 100);
        child<QAbstractButton>(shown, "btnCancel")->click();
    });
    utm.exec();
}
