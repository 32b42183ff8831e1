#include "CoordSysTestSupport.h"

#include "OvCoordSystem/host/config/SpatialRefWktConfig.h"
#include "OvCoordSystem/host/widgets/DlgVectorGauss.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace coordsystest;

TEST(DlgVectorGauss, ValidatesTheFieldsAndReportsTheZonesOrigin)
{
    const struct
    {
        const char* edit;
        const char* text;
        int zoneRow;
        const char* message; // empty: OK is enabled
    } cases[] = {
        { "leMeridian", "181", 2, "中央经线须为-180到180之间的数值" },
        { "leMeridian", "118", 0, "3度带的中央经线须为3的倍数" },
        { "leMeridian", "114", 1, "6度带的中央经线须为6的倍数减3" },
        { "leLatitudeOfOrigin", "91", 2, "起始纬度须为-90到90之间的数值" },
        { "leFalseNorthing", "", 2, "北偏移须为数值" },
        { "leRz", "0,5", 0, "七参数须为数值" },
        { "leMeridian", "111", 1, "" },
    };
    for (const auto& c : cases) {
        DlgVectorGauss dialog;
        dialog.setAddZoneNO(true);
        onModal([&c](QWidget* shown) {
            child<QComboBox>(shown, "cbZone")->setCurrentIndex(c.zoneRow);
            child<QLineEdit>(shown, c.edit)->setText(QLatin1String(c.text));
            EXPECT_EQ(child<QLabel>(shown, "lbError")->text(), QString::fromUtf8(c.message));
            auto* ok = child<QAbstractButton>(shown, "btnOk");
            EXPECT_EQ(ok->isEnabled(), !*c.message);
            ok->isEnabled() ? ok->click() : static_cast<QDialog*>(shown)->reject();
        });
        dialog.exec();
        EXPECT_EQ(dialog.getIsValid(), !*c.message) << c.edit << " " << c.text;
    }
}

TEST(SpatialRefWktConfig, RoundTripAndBadFiles)
{
    const std::string path = configDir().toStdString() + "/Profiles/round.ini";
    CSpatialRefWktConfig config;
    ASSERT_TRUE(config.LoadConfigOrCreateIfNoExist(path)) << "created when missing";
    tagSpatialRefWktFields fields;
    fields.save = true;
    fields.wkt = "PROJCS[\"a=b\",\nGEOGCS[\"x\"]]";
    fields.meridian = 117.123456789012345;
    fields.zone = 6;
    fields.sevenData = "1,2,3,4,5,6,7";
    config.SetFields(fields);
    ASSERT_TRUE(config.SaveParameter(path));
    CSpatialRefWktConfig reader;
    ASSERT_TRUE(reader.LoadConfigOrCreateIfNoExist(path));
    const tagSpatialRefWktFields& back = reader.GetFields();
    EXPECT_TRUE(back.save);
    EXPECT_EQ(back.wkt, "PROJCS[\"a=b\", GEOGCS[\"x\"]]") << "one line per key";
    EXPECT_EQ(back.meridian, fields.meridian);
    EXPECT_EQ(back.zone, 6);
    EXPECT_EQ(back.sevenData, fields.sevenData);

    for (const char* content : { "", "Save=true\n", "[SpatialRef]\nSave true\n",
             "[SpatialRef]\nSave=perhaps\n", "[SpatialRef]\nZone=three\n" }) {
        writeFile(QString::fromStdString(path), content);
        EXPECT_FALSE(reader.LoadConfigOrCreateIfNoExist(path)) << content;
        EXPECT_EQ(reader.GetFields().zone, 6) << "the fields stay";
    }
    // A file where the folder should be, a folder where the file should be.
    EXPECT_FALSE(config.SaveParameter(path + "/a.ini"));
    QDir().mkpath(configDir() + QStringLiteral("/folder.ini"));
    EXPECT_FALSE(config.SaveParameter(configDir().toStdString() + "/folder.ini"));
    EXPECT_EQ(QDir(configDir() + QStringLiteral("/Profiles")).entryList(QDir::Files).size(), 1)
        << "no temporary file is left";
}
