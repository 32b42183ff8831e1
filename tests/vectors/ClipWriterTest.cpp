#include "VectorTestSupport.h"

#include "OvCoordSystem/vectors/ClipWriter_p.h"

#include <QRegularExpression>

using namespace vectortest;
using vectors::clipLayer;

namespace {

// The clip area of these tests: the square (0,0)-(10,10).
const QVector<VectorPointList> kClipSquare
    = { { CVector3D(0, 0), CVector3D(10, 0), CVector3D(10, 10), CVector3D(0, 10) } };

TEST(ClipLayer, KeepsWhatIsInsideInTheFeaturesOwnFamilyAndRepairsTheArea)
{
    VectorFeatureData half = squareFeature(5, 2, 10); // half of it inside
    half.attributes.insert(QStringLiteral("NAME"), QStringLiteral("半"));
    half.style.penWidth = 3.0f;
    const VectorLayerData clipped
        = clipLayer(layerOf(QStringLiteral("c"),
                        { half, pointFeature(20, 20), pointFeature(3, 3),
                            // Enters, leaves and enters again.
                            lineFeature({ CVector3D(-5, 2), CVector3D(5, 2), CVector3D(5, 12),
                                CVector3D(8, 12), CVector3D(8, 5) }),
                            // Touches the area's corner only.
                            squareFeature(10, 10, 1) }),
            kClipSquare);
    ASSERT_EQ(clipped.features.size(), 3);

    const VectorFeatureData& polygon = clipped.features[0];
    EXPECT_EQ(polygon.geometryType, VectorFeatureData::Polygon);
    EXPECT_EQ(polygon.attributes.value(QStringLiteral("NAME")).toString(), QStringLiteral("半"));
    EXPECT_EQ(polygon.style.penWidth, 3.0f);

    EXPECT_EQ(clipped.features[1].geometryType, VectorFeatureData::Point);
    // The line is cut in two pieces.
    EXPECT_EQ(clipped.features[2].geometryType, VectorFeatureData::MultiLine);
    EXPECT_EQ(clipped.features[2].parts.size(), 2);

    // Degenerate clip polygons leave nothing and self-crossing ones are repaired.
    const QVector<VectorPointList> degenerate = { { CVector3D(0, 0), CVector3D(1, 1) },
        { CVector3D(0, 0), CVector3D(qQNaN(), 1), CVector3D(1, 0) } };
    EXPECT_TRUE(clipLayer(layerOf(QStringLiteral("c"), { pointFeature(0.5, 0.2) }), degenerate)
                    .features.isEmpty());
    // A bow tie: two triangles meeting at (5,5).
    const QVector<VectorPointList> bowTie
        = { { CVector3D(0, 0), CVector3D(10, 10), CVector3D(10, 0), CVector3D(0, 10) } };
    // (1,5) and (9,5) lie in the two triangles, (5,1) between them.
    EXPECT_EQ(clipLayer(layerOf(QStringLiteral("c"),
                            { pointFeature(1, 5), pointFeature(9, 5), pointFeature(5, 1) }),
                  bowTie)
                  .features.size(),
        2);
}

using ClipWriting = WriteTest;

TEST_F(ClipWriting, FilesHoldOnlyWhatIsInsideAndNoTemporaryFile)
{
    for (const char* name : { "clip.geojson", "clip.shp", "clip.dxf" }) {
        VectorWriteOptions options;
        options.clip = true;
        options.clipPolygons = kClipSquare;
        write({ layerOf(QStringLiteral("c"),
                  { squareFeature(5, 5, 10), pointFeature(20, 20), pointFeature(1, 1),
                      lineFeature({ CVector3D(50, 50), CVector3D(60, 60) }) }) },
            QLatin1String(name), options);
    }
    // Shapefile split files take their final names.
    EXPECT_EQ(files().filter(QRegularExpression(QStringLiteral("(json|dxf|shp)$"))),
        (QStringList { QStringLiteral("clip.dxf"), QStringLiteral("clip.geojson"),
            QStringLiteral("clip_point.shp"), QStringLiteral("clip_polygon.shp") }));
    EXPECT_TRUE(files().filter(QStringLiteral("tmp_clip")).isEmpty());
    // Names inside the files are the final ones.
    EXPECT_EQ(readBack(path(QStringLiteral("clip.geojson"))).at(0).name, QStringLiteral("clip"));
    EXPECT_EQ(featureCount(path(QStringLiteral("clip.dxf"))), 2);
    EXPECT_EQ(featureCount(path(QStringLiteral("clip_point.shp"))), 1);
    EXPECT_EQ(readBackText(path(QStringLiteral("clip.geojson"))).mid(1),
        (QStringList { QStringLiteral("POLYGON ((5 5,5 10,10 10,10 5,5 5))"),
            QStringLiteral("POINT (1 1)") }));
}

} // namespace
