#include "OvCoordSystem/coord/ExportTools.h"

#include "OvCoordSystem/host/DownloadTask.h"
#include "OvCoordSystem/host/MapTypes.h"

#include <gtest/gtest.h>

namespace {
// The task whose identity is pinned below.
DownloadTask fixedTask()
{
    DownloadTask task;
    task.createTime = 1700000000000;
    task.extent[0] = 116.391;
    task.extent[1] = 39.9075;
    task.extent[2] = 116.5;
    task.extent[3] = 40.0;
    task.name = QStringLiteral("北京_标签");
    task.levels = { 1, 2, 18 };
    task.mapType = 1;
    task.exportType = 10;
    task.polygons = { QPolygonF(
        { QPointF(116.391, 39.9075), QPointF(116.5, 40.0), QPointF(12958752.3, 0.000012345) }) };
    task.imageType = 2;
    return task;
}
} // namespace

TEST(ExportTools, OriginalTypeFollowsTheDatumOfTheMapTiles)
{
    for (const tagMapTypeInfo& info : MapTypeTable()) {
        const VECTOR_COORDSYS expected = info.datum == TILE_DATUM_WGS84 ? VECTOR_WGS84_LNGLAT
            : info.datum == TILE_DATUM_GCJ02                            ? VECTOR_GCJ02_WEB_MERCATOR
                                                                        : VECTOR_BD09_WEB_MERCATOR;
        EXPECT_EQ(I_ExportTools::getOriginalType(info.type), expected) << info.type;
    }
    // A map type the host does not have is drawn in Web Mercator.
    EXPECT_EQ(I_ExportTools::getOriginalType(-1), VECTOR_WGS84_WEB_MERCATOR);
    EXPECT_EQ(I_ExportTools::getOriginalType(99999), VECTOR_WGS84_WEB_MERCATOR);
    for (int coordSys = -1; coordSys <= 18; ++coordSys) {
        const bool expected = coordSys == 3 || coordSys == 4 || coordSys == 14 || coordSys == 16;
        EXPECT_EQ(
            I_ExportTools::getIsWgS84OrWebMC(static_cast<VECTOR_COORDSYS>(coordSys)), expected);
    }
}

TEST(ExportTools, ExportNamesAreExact)
{
    const struct
    {
        int coordSys;
        const char* name; // UTF-8
    } names[] = { { 0, "Beijing 1954 GK坐标系" }, { 1, "Xian 1980 GK坐标系" },
        { 2, "CGCS 2000 GK托坐标系" }, { 3, "WGS84坐标系（经纬度坐标）" }, { 4, "Web墨卡托坐标系" },
        { 5, "" }, { 13, "" }, { 14, "BD09墨卡托坐标系" }, { 15, "" }, { 16, "GCJ02墨卡托坐标系" },
        { 17, "" }, { 6, "" }, { -1, "" }, { 18, "" } };
    for (const auto& n : names) {
        const QString name
            = I_ExportTools::getExportCoordName(static_cast<VECTOR_COORDSYS>(n.coordSys));
        EXPECT_EQ(name, QString::fromUtf8(n.name)) << n.coordSys;
    }
}

TEST(ExportTools, TaskIdIsTheDigestOfTheTaskText)
{
    // Digests from python3 hashlib.md5(text.encode("gb18030")) over the texts below, checked
    // again with `printf %s TEXT | iconv -t GB18030 | md5sum`.
    // "2北京1101700000000000116.39139.9075116.51218116.39139.9075116.5401.29588e+071.2345e-05",
    // that is image type "2", name without "_标签" "北京", map type "1", export type "10",
    // creation time "1700000000000", three extent values "116.391" "39.9075" "116.5", the
    // levels "1" "2" "18", then x and y of every polygon point, the last "1.29588e+07"
    // "1.2345e-05".
    const DownloadTask task = fixedTask();
    EXPECT_EQ(I_ExportTools::getTaskId(task), QStringLiteral("9da13cb4cddc369b93a3b41cb1672a33"));

    // Empty lists: "2北京1101700000000000116.39139.9075116.5", the eight values alone.
    DownloadTask bare = task;
    bare.levels.clear();
    bare.polygons.clear();
    EXPECT_EQ(I_ExportTools::getTaskId(bare), QStringLiteral("245df67b730c6e7923b85147ab9b59c5"));

    // A marker in the name takes the next value, as chained arg() does:
    // "2a1b101700000000000116.39139.9075116.5%8".
    bare.name = QStringLiteral("a%1b");
    EXPECT_EQ(I_ExportTools::getTaskId(bare), QStringLiteral("03c8e0d3205ca62d93d0e20b75d37e45"));
}

TEST(ExportTools, TaskIdIgnoresTheFourthExtentValueAndTheLabelSuffix)
{
    const QString id = I_ExportTools::getTaskId(fixedTask());
    DownloadTask task = fixedTask();
    task.extent[3] = -12.5;
    EXPECT_EQ(I_ExportTools::getTaskId(task), id);
    task.name = QStringLiteral("北_标签京_标签");
    EXPECT_EQ(I_ExportTools::getTaskId(task), id);
    task.name = QStringLiteral("北京");
    EXPECT_EQ(I_ExportTools::getTaskId(task), id);

    // Each field that is part of the identity changes it.
    const auto differs = [&id](void (*change)(DownloadTask&)) {
        DownloadTask changed = fixedTask();
        change(changed);
        return I_ExportTools::getTaskId(changed) != id;
    };
    EXPECT_TRUE(differs([](DownloadTask& t) { t.createTime += 1; }));
    EXPECT_TRUE(differs([](DownloadTask& t) { t.extent[2] = 116.6; }));
    EXPECT_TRUE(differs([](DownloadTask& t) { t.name = QStringLiteral("上海"); }));
    EXPECT_TRUE(differs([](DownloadTask& t) { t.levels.append(19); }));
    EXPECT_TRUE(differs([](DownloadTask& t) { t.exportType = 11; }));
    EXPECT_TRUE(differs([](DownloadTask& t) { t.polygons[0][0].setY(39.9); }));
    EXPECT_TRUE(differs([](DownloadTask& t) { t.imageType = 3; }));
    // Only six significant digits enter the text.
    EXPECT_FALSE(differs([](DownloadTask& t) { t.extent[0] = 116.3910004; }));
    // The naming fields are not part of it.
    EXPECT_FALSE(differs([](DownloadTask& t) { t.namingPattern = QStringLiteral("{z}/{x}/{y}"); }));
}
