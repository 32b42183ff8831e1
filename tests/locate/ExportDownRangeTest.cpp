#include "OvCoordSystem/coord/ExportTools.h"
#include "OvCoordSystem/host/MapTypes.h"
#include "OvCoordSystem/host/Tools.h"

#include <QFile>
#include <QTemporaryDir>

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QList<QPolygonF> kRange = {
    QPolygonF({ { 116.30, 39.90 }, { 116.40, 39.90 }, { 116.40, 40.00 }, { 116.30, 39.90 } }),
    QPolygonF({ { 117.00, 39.00 }, { 117.20, 39.00 }, { 117.10, 39.20 }, { 117.00, 39.00 } }),
};

// Each polygon is named after the file; Baidu maps get their shifted points. (The locator's export
// test reads a Shapefile back.)
TEST(ExportDownRange, BaiduRangeInTheMapsCoordinates)
{
    QTemporaryDir dir;
    ASSERT_TRUE(I_ExportTools::toExportDownRange(dir.filePath("baidu.tab"), kRange, MAP_BAIDU));
    GDALAllRegister();
    std::unique_ptr<GDALDataset> dataset(
        GDALDataset::Open(dir.filePath("baidu.tab").toLocal8Bit().constData(), GDAL_OF_VECTOR));
    ASSERT_TRUE(dataset);
    OGRLayer* layer = dataset->GetLayer(0);
    ASSERT_EQ(layer->GetFeatureCount(), 2);
    for (auto& feature : *layer) {
        EXPECT_STREQ(feature->GetFieldAsString("NAME"), "baidu");
        QPolygonF expected = kRange[int(feature->GetFID()) - 1];
        for (QPointF& point : expected)
            point = Tools::wgs84ToBd09ByPos(point, 20);
        OGREnvelope box;
        feature->GetGeometryRef()->getEnvelope(&box);
        EXPECT_NEAR(box.MinX, expected.boundingRect().left(), 1e-6);
        EXPECT_NEAR(box.MaxY, expected.boundingRect().bottom(), 1e-6);
    }
}

// The Shapefile goes to a split name: a file of that name is never overwritten.
TEST(ExportDownRange, NeverOverwritesAndNeedsARange)
{
    QTemporaryDir dir;
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
