#include "VectorTestSupport.h"

#include "OvCoordSystem/vectors/FeatureGeometry.h"
#include "OvCoordSystem/vectors/I_DXFWriter_p.h"
#include "OvCoordSystem/vectors/I_WriterVectorAdapter_p.h"

using namespace vectortest;

namespace {

TEST(DxfWriter, MergedLayerCarriesTheLayerNamesAndLabelModes)
{
    I_DXFWriter writer;
    writer.writeLayers({}, VectorWriteOptions());
    EXPECT_EQ(writer.errorText(), QStringLiteral("写DXF数据为空。"));

    VectorFeatureData plain = pointFeature(1, 1, QStringLiteral("plain"));
    plain.labelMode = 1;
    plain.style.text = QStringLiteral("label");
    VectorFeatureData twice = plain;
    twice.labelMode = 2;
    VectorLayerData second = layerOf(QStringLiteral("第二"), { twice });
    second.fieldTypes.insert(QStringLiteral("CODE"), VectorLayerData::IntegerField);
    const VectorLayerData merged
        = mergeDxfLayers({ layerOf(QStringLiteral("a:b"), { plain }), second });
    EXPECT_EQ(merged.kind, VectorLayerData::Mixed);
    EXPECT_EQ(merged.fieldTypes.keys(),
        (QStringList { QStringLiteral("CODE"), QStringLiteral("Layer"), QStringLiteral("NAME") }));
    ASSERT_EQ(merged.features.size(), 3);
    EXPECT_EQ(merged.features[0].attributes.value(QStringLiteral("Layer")), QStringLiteral("a_b"));
    EXPECT_TRUE(merged.features[0].style.text.isEmpty());
    EXPECT_EQ(merged.features[1].attributes.value(QStringLiteral("Layer")), QStringLiteral("第二"));
    EXPECT_EQ(merged.features[1].style.text, QStringLiteral("label"));
    EXPECT_TRUE(merged.features[2].style.text.isEmpty());
}

TEST(FeatureGeometry, RecordsOfOgrGeometriesCurvesAsLinesKeepingZ)
{
    // WKT, the type taken (-1: not taken), the parts and the first part's vertices.
    const std::tuple<const char*, int, int, int> cases[]
        = { { "POINT (1 2)", VectorFeatureData::Point, 1, 1 },
              { "LINESTRING (0 0,1 1,2 0)", VectorFeatureData::Line, 1, 3 },
              { "POLYGON ((0 0,4 0,4 4,0 0),(1 1,2 1,2 2,1 1))", VectorFeatureData::Polygon, 2, 4 },
              { "MULTIPOINT ((0 0),(1 1))", VectorFeatureData::MultiPoint, 2, 1 },
              { "MULTILINESTRING ((0 0,1 1),(2 2,3 3,4 4))", VectorFeatureData::MultiLine, 2, 2 },
              { "MULTIPOLYGON (((0 0,9 0,9 9,0 0),(2 1,8 1,8 7,2 1)),((5 5,6 5,6 6,5 5)))",
                  VectorFeatureData::MultiPolygon, 2, 4 },
              { "GEOMETRYCOLLECTION (LINESTRING (0 0,1 1),LINESTRING (1 1,2 2))",
                  VectorFeatureData::MultiLine, 2, 2 },
              { "GEOMETRYCOLLECTION (POINT (0 0),LINESTRING (1 1,2 2))", -1, 0, 0 },
              { "GEOMETRYCOLLECTION (GEOMETRYCOLLECTION (POINT (0 0)))", -1, 0, 0 },
              { "POINT EMPTY", -1, 0, 0 }, { "MULTIPOLYGON EMPTY", -1, 0, 0 },
              { "TIN Z (((0 0 0,0 1 0,1 1 0,0 0 0)))", -1, 0, 0 } };
    for (const auto& [wkt, type, parts, firstPartVertices] : cases) {
        SCOPED_TRACE(wkt);
        const std::unique_ptr<OGRGeometry> geometry = fromWkt(wkt);
        ASSERT_TRUE(geometry);
        VectorFeatureData feature = pointFeature(9, 9);
        const bool taken = vectors::setFeatureGeometry(feature, geometry.get());
        EXPECT_EQ(taken, type >= 0);
        if (!taken) {
            EXPECT_EQ(feature.parts.first().first(), CVector3D(9, 9)); // unchanged
            continue;
        }
        EXPECT_EQ(feature.geometryType, type);
        ASSERT_EQ(feature.parts.size(), parts);
        EXPECT_EQ(feature.parts.first().size(), firstPartVertices);
    }
    VectorFeatureData untouched;
    EXPECT_FALSE(vectors::setFeatureGeometry(untouched, nullptr));

    const std::unique_ptr<OGRGeometry> arc = fromWkt("CIRCULARSTRING Z (0 0 5,1 1 5,2 0 5)");
    VectorFeatureData feature;
    ASSERT_TRUE(vectors::setFeatureGeometry(feature, arc.get()));
    EXPECT_EQ(feature.geometryType, VectorFeatureData::Line);
    EXPECT_GT(feature.parts.first().size(), 3);
    EXPECT_EQ(feature.parts.first().last(), CVector3D(2, 0, 5));
}

TEST(LibKmlWriter, DispatcherWritesEachLayerAsAFolderOfOneDocument)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("layers.kml"));
    VectorLayerData roads = layerOf(QStringLiteral("roads"),
        { lineFeature({ CVector3D(116, 39), CVector3D(117, 40) }) }, VectorLayerData::Lines);
    roads.fieldTypes.insert(QStringLiteral("REMARK"), VectorLayerData::StringField);
    roads.features.first().attributes.insert(QStringLiteral("REMARK"), QStringLiteral("主路"));
    VectorWriteOptions options;
    options.path = path;
    options.openFolderAfterWrite = false;
    {
        I_WriterVectorAdapter adapter(path, nullptr);
        adapter.writeLayers(
            { roads,
                layerOf(QStringLiteral("poi"), { pointFeature(116, 39), pointFeature(117, 40) }) },
            options);
    }
    const std::vector<ReadLayer> kml = readBack(path);
    ASSERT_EQ(kml.size(), 2u);
    EXPECT_EQ(kml[0].name, QStringLiteral("roads"));
    EXPECT_EQ(kml[1].features.size(), 2u);
    // "REMARK" is written as the KML description.
    EXPECT_EQ(kml[0].features.at(0).fields.value("description"), QStringLiteral("主路"));
}

} // namespace
