// The KML writer's document: layout, names, styles, geometry and coordinate text, progress.
#include "KmlWriteTestSupport.h"

#include "OvCoordSystem/vectors/VecKmlWriteThread.h"

#include "OvCoordSystem/host/RevealInFileBrowser.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Writes LAYERS to NAME in a fresh folder and reads the file back with the model.
struct Written
{
    QTemporaryDir dir;
    QString path;
    bool ok = false;
    CICD_KML kml;
    RecordingObserver observer;

    Written(const QVector<VectorLayerData>& layers, const QString& name = QStringLiteral("out.kml"),
        int encoding = CXmlStream::EncodingLegacy)
        : path(dir.filePath(name))
    {
        VecKmlWriteThread writer;
        writer.setEncoding(encoding);
        ok = writer.write(layers, path, &observer, false);
        if (ok) {
            EXPECT_TRUE(readKml(path, kml, encoding)) << path.toStdString();
        }
    }

    const CICD_FOLDER& root() const { return kml.folders.at(0); }
    const CICD_PLACEMARK& placemark(size_t i) const { return root().placemarks.at(i); }
};

std::string coordinate(const char* lon, const char* lat, const char* height)
{
    return std::string(" ") + lon + "," + lat + "," + height;
}

// The model's reader drops the leading space every coordinate text starts with.
std::string asRead(const std::string& text)
{
    return text.substr(1);
}

// The coordinate text of POINTS, formatted by Qt, as read back.
std::string coordinates(const VectorPointList& points)
{
    std::string text;
    for (const CVector3D& p : points)
        text += coordinate(QByteArray::number(p.x, 'f', 12).constData(),
            QByteArray::number(p.y, 'f', 12).constData(),
            QByteArray::number(p.z, 'f', 2).constData());
    return asRead(text);
}

} // namespace

TEST(KmlWrite, OnePointIsFolderPlacemarkPointWithFixedNotation)
{
    const Written out({ layerOf(QStringLiteral("points"), { pointFeature(116.4, 39.9, 0) }) });
    ASSERT_TRUE(out.ok);
    ASSERT_EQ(out.kml.folders.size(), 1u);
    EXPECT_TRUE(out.kml.documents.empty());
    EXPECT_TRUE(out.kml.placemarks.empty());
    ASSERT_EQ(out.root().placemarks.size(), 1u);
    EXPECT_EQ(out.placemark(0).point.coordinates,
        asRead(coordinate("116.400000000000", "39.900000000000", "0.00")));
    EXPECT_EQ(out.root().name, "points");
    // The file itself holds the text with its leading space.
    int exitCode = 0;
    const QByteArray text = runXmllint(
        { QStringLiteral("--xpath"),
            QStringLiteral("string(/*[local-name()='kml']/*[local-name()='Folder']/*[local-name()="
                           "'Placemark']/*[local-name()='Point']/*[local-name()='coordinates'])"),
            out.path },
        &exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(text.toStdString(), coordinate("116.400000000000", "39.900000000000", "0.00") + "\n");

    // Declaration and namespaces, in this order, as the file holds them.
    const QByteArray file = fileBytes(out.path);
    EXPECT_TRUE(file.startsWith("<?xml version=\"1.0\" encoding=\"gb2312\""));
    EXPECT_TRUE(file.contains("<kml xmlns=\"http://www.opengis.net/kml/2.2\" "
                              "xmlns:gx=\"http://www.google.com/kml/ext/2.2\" "
                              "xmlns:kml=\"http://www.opengis.net/kml/2.2\" "
                              "xmlns:atom=\"http://www.w3.org/2005/Atom\">"))
        << file.left(300).toStdString();
}

TEST(KmlWrite, TwoLayersGoIntoAFolderNamedAfterTheFile)
{
    VectorLayerData first = layerOf(QStringLiteral("图层一"), { pointFeature(116, 39) });
    VectorLayerData second
        = layerOf(QStringLiteral("B"), { pointFeature(117, 40), pointFeature(118, 41) });
    const Written out({ first, second }, QStringLiteral("下载范围.v2.kml"));
    ASSERT_TRUE(out.ok);
    ASSERT_EQ(out.kml.folders.size(), 1u);
    // QFileInfo::baseName: up to the first dot.
    EXPECT_EQ(fromGb18030(out.root().name), QStringLiteral("下载范围"));
    EXPECT_TRUE(out.root().placemarks.empty());
    ASSERT_EQ(out.root().folders.size(), 2u);
    EXPECT_EQ(fromGb18030(out.root().folders[0].name), QStringLiteral("图层一"));
    EXPECT_EQ(out.root().folders[0].placemarks.size(), 1u);
    EXPECT_EQ(out.root().folders[1].name, "B");
    EXPECT_EQ(out.root().folders[1].placemarks.size(), 2u);
}

TEST(KmlWrite, SubLayersNestAndALayerWithIdZeroIsNamedAfterTheFile)
{
    VectorLayerData grandChild = layerOf(QStringLiteral("grandchild"), { pointFeature(1, 1) });
    VectorLayerData child = layerOf(QStringLiteral("child"), { pointFeature(2, 2) });
    child.children = { &grandChild, nullptr };
    VectorLayerData top = layerOf(QStringLiteral("ignored"), { pointFeature(3, 3) });
    top.id = QStringLiteral("0");
    top.children = { &child };
    // A sub-layer that is its own ancestor is written once, not forever.
    grandChild.children = { &child };

    const Written out({ top }, QStringLiteral("range.kml"));
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.root().name, "range");
    ASSERT_EQ(out.root().folders.size(), 1u);
    const CICD_FOLDER& childFolder = out.root().folders[0];
    EXPECT_EQ(childFolder.name, "child");
    ASSERT_EQ(childFolder.folders.size(), 1u);
    EXPECT_EQ(childFolder.folders[0].name, "grandchild");
    EXPECT_TRUE(childFolder.folders[0].folders.empty());
    EXPECT_EQ(out.observer.reports.last(), 100);
}

TEST(KmlWrite, NamesAndDescriptionsComeFromNameAndRemarkAsGb18030)
{
    VectorFeatureData named = feature(VectorFeatureData::Point, { { CVector3D(116, 39) } },
        QStringLiteral("天安门 & <广场>"), QStringLiteral("地标\n第二行"));
    named.name = QStringLiteral("not written");
    named.remark = QStringLiteral("not written");
    named.attributes.insert(QStringLiteral("KIND"), 3);
    VectorFeatureData rare = feature(
        VectorFeatureData::Point, { { CVector3D(116, 39) } }, QStringLiteral("𠀀𪚥"), QString());
    VectorFeatureData plain = pointFeature(116, 39);
    plain.name = QStringLiteral("record name only");

    const Written out({ layerOf(QStringLiteral("名称"), { named, rare, plain }) });
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(fromGb18030(out.root().name), QStringLiteral("名称"));
    EXPECT_EQ(fromGb18030(out.placemark(0).name), QStringLiteral("天安门 & <广场>"));
    EXPECT_EQ(fromGb18030(out.placemark(0).description), QStringLiteral("地标\n第二行"));
    // Four-byte GB18030 sequences survive too.
    EXPECT_EQ(fromGb18030(out.placemark(1).name), QStringLiteral("𠀀𪚥"));
    EXPECT_EQ(out.placemark(1).description, "");
    EXPECT_EQ(out.placemark(2).name, "");
    EXPECT_FALSE(fileBytes(out.path).contains("KIND"));
    EXPECT_FALSE(fileBytes(out.path).contains("not written"));
}

TEST(KmlWrite, ColoursAreAlphaBlueGreenRedInLowerCaseHex)
{
    VectorFeatureData polygon = feature(VectorFeatureData::Polygon, { square(116, 39) });
    polygon.style.penColor = QColor(255, 0, 0, 255);
    polygon.style.fillColor = QColor(0x0a, 0xb0, 0x0c, 0x01);
    polygon.style.labelColor = QColor(0x12, 0x34, 0x56, 0x78);
    polygon.style.penWidth = 2.5f;
    polygon.style.iconColor = Qt::green; // not for polygons
    VectorFeatureData point = pointFeature(116, 39);
    point.style.iconColor = QColor(0, 0, 255, 128);
    point.style.penColor = Qt::red; // not for points
    VectorFeatureData line = feature(VectorFeatureData::MultiLine, { square(1, 1) });
    line.style.penColor = QColor(0xff, 0xff, 0x00);
    line.style.fillColor = Qt::red; // not for lines
    VectorFeatureData unset = feature(VectorFeatureData::Line, { square(1, 1) });

    const Written out({ layerOf(QStringLiteral("c"), { polygon, point, line, unset }) });
    ASSERT_TRUE(out.ok);
    const CICD_STYLE& p = out.placemark(0).style;
    EXPECT_EQ(p.lineStyle.color, "ff0000ff");
    EXPECT_FLOAT_EQ(p.lineStyle.width, 2.5f);
    EXPECT_EQ(p.polyStyle.color, "010cb00a");
    EXPECT_EQ(p.labelStyle.color, "78563412");
    EXPECT_EQ(p.iconStyle.color, "");
    const CICD_STYLE& pt = out.placemark(1).style;
    EXPECT_EQ(pt.iconStyle.color, "80ff0000");
    EXPECT_FALSE(pt.iconStyle.icon.href.empty());
    EXPECT_EQ(pt.lineStyle.color, "");
    const CICD_STYLE& l = out.placemark(2).style;
    EXPECT_EQ(l.lineStyle.color, "ff00ffff");
    EXPECT_EQ(l.polyStyle.color, "");
    // Colours never set leave the KML defaults alone.
    const CICD_STYLE& u = out.placemark(3).style;
    EXPECT_EQ(u.lineStyle.color, "");
    EXPECT_EQ(u.labelStyle.color, "");
}

TEST(KmlWrite, LabelScaleIsPointSizeOverTwelveStrictlyBetweenTwelveAndSeventyTwo)
{
    const struct
    {
        double points;
        float scale;
    } cases[] = { { 24, 2.0f }, { 12, 1.0f }, { 72, 1.0f }, { 13, 13.0f / 12 },
        { 71.5, 71.5f / 12 }, { 8, 1.0f }, { 100, 1.0f } };
    QVector<VectorFeatureData> features;
    for (const auto& c : cases) {
        features.append(pointFeature(116, 39));
        features.last().style.labelFont.setPointSizeF(c.points);
    }
    const Written out({ layerOf(QStringLiteral("labels"), features) });
    ASSERT_TRUE(out.ok);
    for (size_t i = 0; i < std::size(cases); ++i) {
        // The file holds six decimals.
        EXPECT_NEAR(out.placemark(i).style.labelStyle.scale, cases[i].scale, 1e-6)
            << cases[i].points << " points";
    }
}

TEST(KmlWrite, GeometryByType)
{
    const VectorPointList a = square(116, 39), b = square(117, 40);
    const Written out({ layerOf(QStringLiteral("types"),
        { feature(VectorFeatureData::Polygon, { a, b }), feature(VectorFeatureData::Line, { a }),
            feature(VectorFeatureData::MultiPoint, { a, {}, b }),
            feature(VectorFeatureData::MultiLine, { a, b }),
            feature(VectorFeatureData::MultiPolygon, { a, b, a }), feature(3, { a }),
            feature(4, { a }), feature(VectorFeatureData::Point, {}),
            feature(VectorFeatureData::Point, { a }) }) });
    ASSERT_TRUE(out.ok);
    ASSERT_EQ(out.root().placemarks.size(), 9u);

    const std::string ringB = coordinates(b);
    // Several parts of a polygon: the last one stays.
    EXPECT_EQ(out.placemark(0).polygon.outerBoundaryIs.linearRing.coordinates, ringB);
    EXPECT_TRUE(out.placemark(0).lineString.isEmpty());
    EXPECT_EQ(out.placemark(1).lineString.coordinates, coordinates(a));
    // Multi types: one member per part that holds a vertex; a point is the part's first vertex.
    const ICD_MULTIGEOMETRY& points = out.placemark(2).multiGeometry;
    ASSERT_EQ(points.points.size(), 2u);
    EXPECT_EQ(points.points[1].coordinates, coordinates({ b.first() }));
    EXPECT_TRUE(out.placemark(2).point.isEmpty());
    EXPECT_EQ(out.placemark(3).multiGeometry.lineStrings.size(), 2u);
    EXPECT_EQ(out.placemark(4).multiGeometry.polygons.size(), 3u);
    EXPECT_EQ(
        out.placemark(4).multiGeometry.polygons[1].outerBoundaryIs.linearRing.coordinates, ringB);
    // Types 3 and 4, and a point without parts: a placemark without geometry.
    for (size_t i : { 5, 6, 7 }) {
        const CICD_PLACEMARK& empty = out.placemark(i);
        EXPECT_TRUE(empty.point.isEmpty() && empty.lineString.isEmpty() && empty.polygon.isEmpty()
            && empty.multiGeometry.isEmpty())
            << i;
    }
    EXPECT_EQ(out.placemark(8).point.coordinates, coordinates({ a.first() }));
}

TEST(KmlWrite, ProgressCadence)
{
    const auto features
        = [](int count) { return QVector<VectorFeatureData>(count, pointFeature(1, 2)); };

    // 250 features: the step is 2, so every odd count reports, and the last one 100.
    const Written many({ layerOf(QStringLiteral("a"), features(200)),
        layerOf(QStringLiteral("b"), features(50)) });
    QVector<int> expected { 0 };
    for (int written = 1; written < 250; written += 2)
        expected << written * 100 / 250;
    expected << 100;
    EXPECT_EQ(many.observer.reports, expected);

    // Fewer than 100: the step is the total, so only the first feature reports between 0 and 100.
    EXPECT_EQ(Written({ layerOf(QStringLiteral("a"), features(50)) }).observer.reports,
        QVector<int>({ 0, 2, 100 }));
    // 100 to 199: the step is 1 and no count leaves remainder 1.
    EXPECT_EQ(Written({ layerOf(QStringLiteral("a"), features(150)) }).observer.reports,
        QVector<int>({ 0, 100 }));
    EXPECT_EQ(Written({ layerOf(QStringLiteral("a"), features(1)) }).observer.reports,
        QVector<int>({ 0, 100 }));
    // No features at all: only the start.
    const Written none({ layerOf(QStringLiteral("empty"), {}) });
    EXPECT_TRUE(none.ok);
    EXPECT_EQ(none.observer.reports, QVector<int>({ 0 }));
    ASSERT_EQ(none.kml.folders.size(), 1u);
    EXPECT_TRUE(none.root().placemarks.empty());
}

TEST(KmlWrite, OpensTheFileBrowserOnlyAfterASuccessfulWriteWhenAsked)
{
    QStringList revealed;
    const RevealHandler previous = SetRevealHandler([&](const QString& path) {
        revealed << path;
        return true;
    });
    QTemporaryDir dir;
    const QVector<VectorLayerData> layers { layerOf(QStringLiteral("a"), { pointFeature(1, 2) }) };
    VecKmlWriteThread writer;
    writer.write(layers, dir.filePath(QStringLiteral("quiet.kml")), nullptr, false);
    writer.write(layers, dir.filePath(QStringLiteral("missing/x.kml")), nullptr, true);
    writer.write(layers, dir.filePath(QStringLiteral("shown.kmz")), nullptr, true);
    SetRevealHandler(previous);
    ASSERT_EQ(revealed.size(), 1);
    EXPECT_TRUE(revealed[0].endsWith(QLatin1String("shown.kmz")));
}
