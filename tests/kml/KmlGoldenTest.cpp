// The KML writer's output, byte for byte, against files written before it streamed: both
// encodings, several layers with a sub-layer and an empty one, every geometry type, styles,
// texts that need escaping, and coordinates that round, are negative or huge. Set
// OV_WRITE_GOLDEN=1 to rewrite the files from the current writer (then review the difference).
#include "KmlTestSupport.h"

#include "OvCoordSystem/vectors/VecKmlWriteThread.h"

namespace {

const QString kGoldenDir = QStringLiteral(OV_SOURCE_DIR "/tests/kml/golden/");

FeatureStyleData style(const QColor& pen, float width, const QColor& fill, int labelPoints)
{
    FeatureStyleData s;
    s.penColor = pen;
    s.penWidth = width;
    s.fillColor = fill;
    s.iconColor = QColor(10, 200, 30, 128);
    s.labelColor = QColor(255, 255, 0);
    s.labelFont.setPointSizeF(labelPoints);
    return s;
}

VectorFeatureData styled(VectorFeatureData f, const FeatureStyleData& s)
{
    f.style = s;
    return f;
}

// Layers with every geometry type and the values the formatting must get right.
struct Layers
{
    VectorLayerData nested;
    VectorLayerData empty;
    QVector<VectorLayerData> all;

    Layers()
    {
        const FeatureStyleData plain = style(QColor(), 1.0f, QColor(), 12);
        const FeatureStyleData bold = style(QColor(255, 0, 0), 2.5f, QColor(0, 0, 255, 64), 24);
        VectorLayerData points = layerOf(QString::fromUtf8("点 & <层>"),
            { styled(feature(VectorFeatureData::Point, { { CVector3D(116.4, 39.9, 0) } },
                         QString::fromUtf8("天安门"), QString::fromUtf8("\"quoted\" 'and' &amp;")),
                  bold),
                styled(feature(VectorFeatureData::MultiPoint,
                           { { CVector3D(-0.0000000000005, -0.0000000000004, -0.005) }, {},
                               { CVector3D(1.0 / 2048, 2.5e-13, 1e-3) },
                               // halfway between two printed values: ties go to even
                               { CVector3D(1.0 / 8192, 3.0 / 8192, 0.125) },
                               { CVector3D(-3.0 / 8192, 2.5, -0.375) } },
                           QStringLiteral("tab\there &#x41; &#xZ &#")),
                    plain),
                pointFeature(179.9999999999995, -89.99999999999949) });
        nested = layerOf(QStringLiteral("nested"),
            { feature(VectorFeatureData::Line,
                { { CVector3D(1e15, -1e15, 123456.785), CVector3D(1e300, -1e-300, 0) } }) });
        points.children = { &nested, &empty };
        VectorLayerData lines = layerOf(QStringLiteral("lines"),
            { styled(feature(VectorFeatureData::Line,
                         { square(10, 20), { CVector3D(0.1, 0.2, 0.3), CVector3D(0.7, 0.8, 0.9) } },
                         QString(), QString::fromUtf8("说明")),
                  bold),
                styled(feature(VectorFeatureData::MultiLine, { square(1, 2), {}, square(3, 4) }),
                    style(QColor(1, 2, 3, 4), 0.5f, QColor(), 80)) });
        VectorLayerData polygons = layerOf(QStringLiteral("ignored: id 0"),
            { styled(feature(VectorFeatureData::Polygon, { square(-120.25, -45.125, 0.333) },
                         QStringLiteral("polygon")),
                  bold),
                styled(feature(VectorFeatureData::MultiPolygon,
                           { square(100, 30), square(101, 31, 1.0 / 3) }),
                    style(QColor(0, 128, 0), 1.0f, QColor(200, 100, 50, 255), 36)),
                feature(3, { square(0, 0) }, QStringLiteral("no geometry type")),
                feature(VectorFeatureData::Polygon, {}, QStringLiteral("no parts")) });
        polygons.id = QStringLiteral("0");
        all = { points, lines, polygons };
    }
};

QByteArray written(const QString& name, int encoding)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    VecKmlWriteThread writer;
    writer.setEncoding(encoding);
    Layers layers;
    if (!writer.write(layers.all, path, nullptr, false)) return QByteArray("<write failed>");
    if (!name.endsWith(QLatin1String(".kmz"))) return fileBytes(path);
    const QString kml = dir.filePath(QStringLiteral("entry.kml"));
    return extractEntry(path, QStringLiteral("golden.kml"), kml) ? fileBytes(kml)
                                                                 : QByteArray("<no entry>");
}

void expectGolden(const QByteArray& bytes, const QString& goldenName)
{
    const QString golden = kGoldenDir + goldenName;
    if (qEnvironmentVariableIsSet("OV_WRITE_GOLDEN")) writeFile(golden, bytes);
    const QByteArray expected = fileBytes(golden);
    ASSERT_FALSE(expected.isEmpty()) << golden.toStdString();
    EXPECT_EQ(bytes, expected) << goldenName.toStdString();
}

} // namespace

TEST(KmlGolden, BothEncodingsKmlAndKmz)
{
    for (const auto& [encoding, golden] :
        { std::pair { int(CXmlStream::EncodingLegacy), "layers-gb2312.kml" },
            { CXmlStream::EncodingUtf8, "layers-utf8.kml" } }) {
        for (const char* name : { "golden.kml", "golden.kmz" })
            expectGolden(written(QLatin1String(name), encoding), QLatin1String(golden));
    }
}
