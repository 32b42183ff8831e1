#include "OvCoordSystem/coord/ExportTools.h"
#include "OvCoordSystem/host/MapTypes.h"
#include "OvCoordSystem/host/Tools.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const QList<QPolygonF> kRange = {
    QPolygonF({ { 116.30, 39.90 }, { 116.40, 39.90 }, { 116.40, 40.00 }, { 116.30, 39.90 } }),
    QPolygonF({ { 117.00, 39.00 }, { 117.20, 39.00 }, { 117.10, 39.20 }, { 117.00, 39.00 } }),
};

struct ReadBack
{
    QStringList names;
    QList<QPolygonF> rings;
};

ReadBack readWithGdal(const QString& path)
{
    ReadBack result;
    GDALAllRegister();
    std::unique_ptr<GDALDataset> dataset(
        GDALDataset::Open(path.toLocal8Bit().constData(), GDAL_OF_VECTOR));
    if (!dataset) return result;
    OGRLayer* layer = dataset->GetLayer(0);
    for (auto& feature : *layer) {
        result.names << QString::fromUtf8(feature->GetFieldAsString("NAME"));
        const OGRGeometry* geometry = feature->GetGeometryRef();
        QPolygonF ring;
        if (geometry && wkbFlatten(geometry->getGeometryType()) == wkbPolygon)
            for (const OGRPoint& point : *geometry->toPolygon()->getExteriorRing())
                ring << QPointF(point.getX(), point.getY());
        result.rings << ring;
    }
    return result;
}

// Shapefiles store rings clockwise: compare point sets, not order.
void expectSameRing(QPolygonF written, QPolygonF expected, double tolerance)
{
    ASSERT_EQ(written.size(), expected.size());
    for (const QPointF& point : expected)
        EXPECT_TRUE(std::any_of(written.begin(), written.end(),
            [&](const QPointF& p) {
                return std::abs(p.x() - point.x()) < tolerance
                    && std::abs(p.y() - point.y()) < tolerance;
            }))
            << point.x() << "," << point.y();
}

// Shapefiles name each polygon after the file; Baidu maps get their shifted points.
TEST(ExportDownRange, EachPolygonNamedAfterTheFileInTheMapsCoordinates)
{
    QTemporaryDir dir;
    const struct
    {
        const char* name;
        const char* readName;
        int mapType;
    } cases[] = { { "range.shp", "range_polygon.shp", MAP_GOOGLE_EARTH },
        { "baidu.tab", "baidu.tab", MAP_BAIDU } };
    for (const auto& c : cases) {
        ASSERT_TRUE(I_ExportTools::toExportDownRange(dir.filePath(c.name), kRange, c.mapType));
        const ReadBack back = readWithGdal(dir.filePath(c.readName));
        const QString base = QFileInfo(c.name).completeBaseName();
        ASSERT_EQ(back.rings.size(), 2);
        EXPECT_EQ(back.names, QStringList({ base, base }));
        for (int i = 0; i < 2; ++i) {
            QPolygonF expected = kRange[i];
            if (c.mapType == MAP_BAIDU) {
                for (QPointF& point : expected)
                    point = Tools::wgs84ToBd09ByPos(point, 20);
                EXPECT_GT(std::abs(expected[0].x() - kRange[i][0].x()), 1e-3); // really moved
            }
            expectSameRing(back.rings[i], expected, c.mapType == MAP_BAIDU ? 1e-6 : 1e-9);
        }
    }
}

TEST(ExportDownRange, NeverOverwritesAndNeedsARange)
{
    QTemporaryDir dir;
    const QString kml = dir.filePath(QStringLiteral("kept.kml"));
    QFile existing(kml);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("user data");
    existing.close();
    EXPECT_FALSE(I_ExportTools::toExportDownRange(kml, kRange, MAP_GOOGLE_EARTH));
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("user data"));

    // The Shapefile goes to a split name: a file of that name is protected too.
    QFile sideFile(dir.filePath(QStringLiteral("split_polygon.dbf")));
    ASSERT_TRUE(sideFile.open(QIODevice::WriteOnly));
    sideFile.close();
    EXPECT_FALSE(
        I_ExportTools::toExportDownRange(dir.filePath(QStringLiteral("split.shp")), kRange, 0));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("split_polygon.shp"))));

    EXPECT_FALSE(I_ExportTools::toExportDownRange(dir.filePath(QStringLiteral("none.shp")), {}, 0));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none_polygon.shp"))));
}

} // namespace
