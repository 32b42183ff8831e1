#include "OvCoordSystem/coord/ExportTools.h"

#include "OvCoordSystem/host/DownloadTask.h"

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

TEST(ExportTools, WebMercatorOrWgs84)
{
    for (int coordSys = -1; coordSys <= 18; ++coordSys)
        EXPECT_EQ(I_ExportTools::getIsWgS84OrWebMC(VECTOR_COORDSYS(coordSys)),
            coordSys == 3 || coordSys == 4 || coordSys == 14 || coordSys == 16);
    EXPECT_EQ(I_ExportTools::getExportCoordName(VECTOR_COORDSYS(5)), QString());
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
    // Not part of the identity: the fourth extent value, the label suffix anywhere in the name,
    // digits past the sixth significant one, the naming fields.
    DownloadTask same = task;
    same.extent[3] = -12.5;
    same.name = QStringLiteral("北_标签京_标签");
    same.extent[0] = 116.3910004;
    same.namingPattern = QStringLiteral("{z}/{x}/{y}");
    EXPECT_EQ(I_ExportTools::getTaskId(same), QStringLiteral("9da13cb4cddc369b93a3b41cb1672a33"));

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
