#include "VectorTestSupport.h"

using namespace vectortest;

namespace {

using WriteLayers = WriteTest;

// A multipoint after a point must not be refused by the points file.
TEST_F(WriteLayers, ShapefileSplitsPointsLinesAndPolygonsBesideTheGivenName)
{
    VectorFeatureData multi = pointFeature(116.3, 39.7);
    multi.geometryType = VectorFeatureData::MultiPoint;
    multi.parts.append({ CVector3D(116.4, 39.6) });
    // A field missing from the widths is fifty wide.
    VectorLayerData layer = layerOf(QStringLiteral("mixed"),
        { pointFeature(116.1, 39.9, QStringLiteral("a")), squareFeature(116, 39, 0.5), multi,
            pointFeature(116.2, 39.8, QStringLiteral("b")) });
    layer.fieldTypes.insert(QStringLiteral("CODE"), VectorLayerData::StringField);
    layer.fieldWidths.insert(QStringLiteral("CODE"), 8);
    write({ layer }, QStringLiteral("out.shp"));
    EXPECT_EQ(files().filter(QStringLiteral(".shp")),
        QStringList({ QStringLiteral("out_point.shp"), QStringLiteral("out_polygon.shp") }));
    const ReadLayer points = readBack(path(QStringLiteral("out_point.shp"))).at(0);
    EXPECT_EQ(points.features.size(), 3u);
    EXPECT_EQ(points.fieldWidths, (std::vector<int> { 8, 50 }))
        << points.fieldNames.join(' ').toStdString();
    EXPECT_EQ(featureCount(path(QStringLiteral("out_polygon.shp"))), 1);
    // The first file written is the one shown.
    EXPECT_EQ(revealed, QStringList { path(QStringLiteral("out_point.shp")) });
    EXPECT_EQ(observer.reports, (std::vector<int> { 25, 50, 75, 100 }));
}

TEST_F(WriteLayers, GpxLeavesPolygonsOutAndReportsNoProgressForThem)
{
    write({ layerOf(QStringLiteral("gpx"),
              { squareFeature(116, 39, 0.5), pointFeature(116.1, 39.9, QStringLiteral("p")),
                  lineFeature({ CVector3D(116, 39), CVector3D(116.5, 39.5) }) }) },
        QStringLiteral("track.gpx"));
    // The waypoint, the route and the route's two points.
    EXPECT_EQ(featureCount(path(QStringLiteral("track.gpx"))), 4);
    // Three features, two written: a third of the way per feature, nothing for the polygon.
    EXPECT_EQ(observer.reports, (std::vector<int> { 33, 66 }));
}

TEST_F(WriteLayers, FoldersAndFileNamesOfSeveralWrites)
{
    // Several layers get a folder each, named after the layer or its number; layers of one name
    // are made distinct; names never leave the output folder.
    write({ layerOf(QStringLiteral("道路"), { pointFeature(116, 39) }),
              layerOf(QString(), { pointFeature(117, 40) }) },
        QStringLiteral("range.geojson"));
    const VectorLayerData a = layerOf(QStringLiteral("A"), { pointFeature(116, 39) });
    write({ a, a, a }, QStringLiteral("same.geojson"));
    write({ layerOf(QStringLiteral("../../escape"), { pointFeature(116, 39) }),
              layerOf(QStringLiteral("a/b\\c"), { pointFeature(117, 40) }),
              layerOf(QStringLiteral(".."), { pointFeature(118, 41) }),
              layerOf(QStringLiteral("a_b_c"), { pointFeature(119, 42) }) },
        QStringLiteral("safe.geojson"));
    // Text files go to a folder per layer and never over another.
    const VectorLayerData pts
        = layerOf(QStringLiteral("../pts"), { pointFeature(116, 39) }, VectorLayerData::Points);
    write({ pts }, QStringLiteral("pts.csv"));
    write({ pts }, QStringLiteral("pts.csv"));
    // A mixed text layer is split into its geometry families; no polygons, no "_面" file.
    VectorLayerData mixed = layerOf(QStringLiteral("m"),
        { pointFeature(116, 39), lineFeature({ CVector3D(116, 39), CVector3D(117, 40) }) });
    mixed.fieldTypes.insert(QStringLiteral("REMARK"), VectorLayerData::StringField);
    write({ mixed }, QStringLiteral("mix.txt"));
    // Three layers after the split, though only one holds features: still the base folder.
    write({ layerOf(QStringLiteral("p"), { pointFeature(116, 39) }) }, QStringLiteral("one.txt"));
    // Layers without features write nothing, but their children are written; one layer left
    // after the tree is flattened (the repeated child counts once): no folders.
    VectorLayerData child = layerOf(QStringLiteral("child"), { pointFeature(116, 39) });
    VectorLayerData empty = layerOf(QStringLiteral("empty"), {});
    VectorLayerData parent = layerOf(QStringLiteral("parent"), {});
    parent.children = { &child, &empty, &child };
    write({ empty }, QStringLiteral("none.geojson"));
    write({ parent }, QStringLiteral("tree.geojson"));
    write({ a }, QStringLiteral("out.abc")); // unknown suffix: nothing
    // DXF puts every layer in one file, each on a DXF layer of its own; a labelled point is
    // written twice.
    VectorFeatureData labelled = pointFeature(116.3, 39.3, QStringLiteral("twice"));
    labelled.labelMode = 2;
    labelled.style.text = QStringLiteral("twice");
    write({ layerOf(QStringLiteral("roads"),
                { lineFeature({ CVector3D(116, 39), CVector3D(117, 40) }) }),
              layerOf(QStringLiteral("houses/blocks"), { squareFeature(116, 39, 0.1), labelled }) },
        QStringLiteral("plan.dxf"));
    // A plain file where the first layer's folder would be does not stop the second.
    QDir().mkpath(path(QStringLiteral("two")));
    QFile(path(QStringLiteral("two/first"))).open(QIODevice::WriteOnly);
    write({ layerOf(QStringLiteral("first"), { pointFeature(116, 39) }),
              layerOf(QStringLiteral("second"), { pointFeature(117, 40) }) },
        QStringLiteral("two.geojson"));

    // "a/b\\c" and "a_b_c" clean to one name, yet keep a file each.
    EXPECT_EQ(files(),
        (QStringList { QStringLiteral("___pts(1)/pts.csv"), QStringLiteral("___pts/pts.csv"),
            QStringLiteral("mix/点数据/mix_点.txt"), QStringLiteral("mix/线数据/mix_线.txt"),
            QStringLiteral("one/点数据/one_点.txt"), QStringLiteral("plan.dxf"),
            QStringLiteral("range/未命名图层2/range.geojson"),
            QStringLiteral("range/道路/range.geojson"), QStringLiteral("safe/__/safe.geojson"),
            QStringLiteral("safe/______escape/safe.geojson"),
            QStringLiteral("safe/a_b_c(1)/safe.geojson"), QStringLiteral("safe/a_b_c/safe.geojson"),
            QStringLiteral("same/A(1)(1)/same.geojson"), QStringLiteral("same/A(1)/same.geojson"),
            QStringLiteral("same/A/same.geojson"), QStringLiteral("tree.geojson"),
            QStringLiteral("two/first"), QStringLiteral("two/second/two.geojson") }));
    EXPECT_EQ(featureCount(path(QStringLiteral("range/道路/range.geojson"))), 1);
    EXPECT_EQ(featureCount(path(QStringLiteral("plan.dxf"))), 4);
    const QString header = QString::fromLocal8Bit(
        fileBytes(path(QStringLiteral("mix/点数据/mix_点.txt"))).split('\n').first());
    EXPECT_TRUE(header.contains(QLatin1String("remarks"))) << header.toStdString();
    EXPECT_FALSE(header.contains(QLatin1String("REMARK"))) << header.toStdString();
    EXPECT_EQ(revealed.last(), path(QStringLiteral("two/second/two.geojson")));
}

TEST_F(WriteLayers, UnusableFeaturesAreSkippedAndTheRestWritten)
{
    VectorFeatureData nan = pointFeature(std::nan(""), 39);
    VectorFeatureData noParts;
    noParts.geometryType = VectorFeatureData::Line;
    VectorFeatureData emptyParts = lineFeature({});
    emptyParts.geometryType = VectorFeatureData::MultiLine;
    emptyParts.parts.append(VectorPointList());
    VectorFeatureData collection = pointFeature(116, 39);
    collection.geometryType = 4;
    VectorFeatureData shortRing = squareFeature(116, 39, 1);
    shortRing.parts.first().resize(2);
    // The file browser only opens when asked.
    VectorWriteOptions quiet;
    quiet.openFolderAfterWrite = false;
    write({ layerOf(QStringLiteral("bad"),
              { nan, noParts, emptyParts, collection, shortRing, pointFeature(116.5, 39.5) }) },
        QStringLiteral("bad.geojson"), quiet);
    EXPECT_EQ(featureCount(path(QStringLiteral("bad.geojson"))), 1);
    EXPECT_EQ(observer.reports.size(), 1u);
    EXPECT_TRUE(revealed.isEmpty());
}

} // namespace
