// The KML writer beyond what the golden files show: file and layer names, feature texts, label
// scale bounds, sub-layer cycles and progress; KMZ archives, bad paths, what other readers make
// of the written files, and the vector writer's hand-over to the KML writer, after which the
// file browser shows only a file written when asked.
#include "KmlTestSupport.h"

#include "OvCoordSystem/kml/XmlFileStream.h"
#include "OvCoordSystem/vectors/VecKmlWriteThread.h"

namespace {

QVector<VectorLayerData> chineseRange()
{
    VectorFeatureData gate = feature(VectorFeatureData::Point, { { CVector3D(116.3975, 39.9087) } },
        QStringLiteral("天安门"), QStringLiteral("地标"));
    VectorFeatureData palace = feature(VectorFeatureData::Polygon, { square(116.3915, 39.9118) },
        QStringLiteral("故宫"), QStringLiteral("紫禁城范围"));
    VectorFeatureData road = feature(VectorFeatureData::Line,
        { { CVector3D(116.30, 39.90), CVector3D(116.45, 39.91) } }, QStringLiteral("长安街"));
    return { layerOf(QStringLiteral("下载范围"), { gate, palace, road }) };
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Private folders the writer made for temporary KML files.
// Points the temporary folder at one of the test's own while it lives, so that the KMZ writes of
// other test processes running at the same time do not show up in privateTemporaryFolders().
struct OwnTemporaryFolder
{
    QTemporaryDir dir;
    QByteArray previous = qgetenv("TMPDIR");
    OwnTemporaryFolder() { qputenv("TMPDIR", QFile::encodeName(dir.path())); }
    ~OwnTemporaryFolder()
    {
        if (previous.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", previous);
    }
};

QStringList privateTemporaryFolders()
{
    return QDir::temp().entryList({ QStringLiteral("ovkmz-*") }, QDir::Dirs);
}

bool write(const QVector<VectorLayerData>& layers, const QString& path,
    RecordingObserver* observer = nullptr, int encoding = CXmlStream::EncodingLegacy)
{
    VecKmlWriteThread writer;
    writer.setEncoding(encoding);
    return writer.write(layers, path, observer, false);
}

// Writes LAYERS to NAME in a fresh folder and reads the file back with the model.
struct Written
{
    QTemporaryDir dir;
    QString path;
    bool ok = false;
    CICD_KML kml;
    RecordingObserver observer;

    Written(const QVector<VectorLayerData>& layers, const QString& name = QStringLiteral("out.kml"))
        : path(dir.filePath(name))
    {
        ok = VecKmlWriteThread().write(layers, path, &observer, false);
        CXmlFileStream stream(localPath(path)); // the legacy encoding, as written
        EXPECT_TRUE(ok && stream.load(&kml)) << path.toStdString();
    }

    const CICD_FOLDER& root() const { return kml.folders.at(0); }
};

} // namespace

// The KML packed is named after the archive (its last letter made "l"), or "doc.kml" for a path
// without folder; a file or folder already where that KML would go is left alone.
TEST(KmzWrite, TheEntryIsNamedAfterTheArchiveAndNothingIsLeftBesideNorForBadPaths)
{
    const std::tuple<const char*, const char*, const char*, const char*> cases[]
        = { { "RANGE.KMZ", "RANGE.KMZ", "RANGE.KMl", "RANGE.KMZ" },
              { "twin.kmz", "twin.kml", "twin.kml", "twin.kml twin.kmz" },
              { "fold.kmz", "fold.kml/in", "fold.kml", "fold.kml fold.kmz" },
              { "relative.kmz", "", "doc.kml", "relative.kmz" } };
    const OwnTemporaryFolder own;
    const QStringList before = privateTemporaryFolders();
    for (const auto& [archiveName, existingName, entry, files] : cases) {
        QTemporaryDir dir;
        const QString archive = QLatin1String(archiveName), existing = QLatin1String(existingName);
        const bool folder = existing.contains(QLatin1Char('/'));
        if (!existing.isEmpty()) {
            ASSERT_TRUE(folder ? QDir(dir.path()).mkpath(existing)
                               : writeFile(dir.filePath(existing), "own"));
        }
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        RecordingObserver observer;
        const bool ok = write(chineseRange(),
            archive.startsWith(QLatin1String("relative")) ? archive : dir.filePath(archive),
            &observer);
        QDir::setCurrent(previous);
        ASSERT_TRUE(ok) << archiveName;
        // The entry names as `unzip -Z1` lists them.
        EXPECT_EQ(
            runProgram(QStringLiteral("unzip"), { QStringLiteral("-Z1"), dir.filePath(archive) })
                .out,
            QByteArray(entry) + '\n');
        EXPECT_EQ(filesIn(dir.path()).join(QLatin1Char(' ')), QLatin1String(files));
        EXPECT_TRUE(folder || existing.isEmpty() || archive == existing
            || fileBytes(dir.filePath(existing)) == "own")
            << archiveName;
        EXPECT_EQ(observer.reports, (std::vector<int> { 0, 33, 100 })) << archiveName;
    }

    // Unwritable paths write nothing. Nor can the KML twin of "missing/out.kmz" be created;
    // that of "folder.kmz" is written, the archive is not.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.kml")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.kmz")));
    for (const char* name :
        { "missing/out.kml", "missing/out.kmz", "folder.kml", "folder.kmz", "" })
        EXPECT_FALSE(write(chineseRange(), *name ? dir.filePath(QLatin1String(name)) : QString()))
            << name;
    EXPECT_EQ(filesIn(dir.path()),
        QStringList({ QStringLiteral("folder.kml"), QStringLiteral("folder.kmz") }));
    EXPECT_TRUE(filesIn(dir.filePath(QStringLiteral("folder.kml"))).isEmpty());
    EXPECT_TRUE(filesIn(dir.filePath(QStringLiteral("folder.kmz"))).isEmpty());
    EXPECT_EQ(privateTemporaryFolders(), before);
}

// xmllint reads both encodings; GDAL's expat readers refuse the gb2312 declaration, which is why
// UTF-8 output exists, and read the UTF-8 files with both drivers, inside the KMZ too.
TEST(KmlInterop, XmllintAndGdalsKmlAndLibkmlDriversReadTheFiles)
{
    for (const int encoding : { CXmlStream::EncodingLegacy, CXmlStream::EncodingUtf8 }) {
        QTemporaryDir dir;
        const QString kml = dir.filePath(QStringLiteral("范围.kml"));
        const QString kmz = dir.filePath(QStringLiteral("范围.kmz"));
        ASSERT_TRUE(write(chineseRange(), kml, nullptr, encoding));
        ASSERT_TRUE(write(chineseRange(), kmz, nullptr, encoding));
        const QByteArray names = runProgram(QStringLiteral("xmllint"),
            { QStringLiteral("--xpath"),
                QStringLiteral("//*[local-name()='Placemark']/*[local-name()='name']/text()"),
                kml })
                                     .out;
        EXPECT_EQ(QString::fromUtf8(names), QStringLiteral("天安门\n故宫\n长安街\n"));
        // "LAYER: NAME GEOMETRY" per feature as the one DRIVER reads PATH.
        const auto read = [](const QString& path, const char* driver) {
            GDALAllRegister();
            QStringList features;
            for (const ReadLayer& layer : readBack(path, driver))
                for (const ReadFeature& f : layer.features)
                    features << layer.name + QStringLiteral(": ") + f.fields.value("Name")
                            + QLatin1Char(' ') + QString::fromStdString(f.wkt).section(' ', 0, 0);
            return features;
        };
        if (encoding == CXmlStream::EncodingLegacy) {
            EXPECT_TRUE(read(kml, "KML").isEmpty());
            continue;
        }
        const QString inside = QStringLiteral("/vsizip/") + kmz + QStringLiteral("/范围.kml");
        const QStringList expected { QStringLiteral("下载范围: 天安门 POINT"),
            QStringLiteral("下载范围: 故宫 POLYGON"),
            QStringLiteral("下载范围: 长安街 LINESTRING") };
        EXPECT_EQ(read(kml, "KML"), expected);
        EXPECT_EQ(read(kml, "LIBKML"), expected);
        EXPECT_EQ(read(inside, "KML"), expected);
        EXPECT_EQ(read(kmz, "LIBKML"), expected);
    }
}

using KmlWriteLayers = WriteTest;

TEST_F(KmlWriteLayers, KmlAndKmzPathsGoThroughTheKmlWriterWithItsOptions)
{
    const QVector<VectorLayerData> layers { layerOf(QStringLiteral("范围"),
        { feature(
            VectorFeatureData::Polygon, { square(116.39, 39.91) }, QStringLiteral("故宫")) }) };
    VectorWriteOptions options;
    options.openFolderAfterWrite = false;
    write(layers, QStringLiteral("range.kml"), options);
    options.openFolderAfterWrite = true;
    options.kmlEncoding = 1;
    write(layers, QStringLiteral("range.KMZ"), options);
    write(layers, QStringLiteral("missing/range.kml"), options); // fails: nothing to show

    EXPECT_EQ(observer.reports, (std::vector<int> { 0, 100, 0, 100, 0, 100 }));
    EXPECT_EQ(revealed, QStringList { path(QStringLiteral("range.KMZ")) });
    EXPECT_EQ(files(), QStringList({ QStringLiteral("range.KMZ"), QStringLiteral("range.kml") }));
    const QString extracted = path(QStringLiteral("extracted.xml"));
    ASSERT_TRUE(
        extractEntry(path(QStringLiteral("range.KMZ")), QStringLiteral("range.KMl"), extracted));
    EXPECT_TRUE(fileBytes(extracted).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\""));
}

TEST(KmlWrite, NamesTextsLabelScalesSubLayerCyclesAndProgressCadence)
{
    VectorFeatureData named = feature(VectorFeatureData::Point, { { CVector3D(116, 39) } },
        QStringLiteral("𠀀𪚥 & <广场>"), QStringLiteral("地标\n第二行"));
    named.name = QStringLiteral("not written");
    named.remark = QStringLiteral("not written");
    named.attributes.insert(QStringLiteral("KIND"), 3);
    // Label scale: point size over twelve, strictly between 12 and 72, else 1.
    const std::pair<double, float> labels[]
        = { { 13, 13.0f / 12 }, { 71.5, 71.5f / 12 }, { 72, 1.0f }, { 8, 1.0f } };
    QVector<VectorFeatureData> features { named };
    for (const auto& [points, scale] : labels) {
        features.append(pointFeature(116, 39));
        features.last().style.labelFont.setPointSizeF(points);
    }
    VectorLayerData grandChild = layerOf(QStringLiteral("grandchild"), {});
    VectorLayerData child = layerOf(QStringLiteral("child"), {});
    child.children = { &grandChild, nullptr };
    grandChild.children = { &child }; // its own ancestor: written once, not forever
    VectorLayerData first = layerOf(QStringLiteral("图层一"), features);
    first.children = { &child };

    const Written out(
        { first, layerOf(QStringLiteral("B"), {}) }, QStringLiteral("下载范围.v2.kml"));
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(fromGb18030(out.root().name), QStringLiteral("下载范围")); // up to the first dot
    const CICD_FOLDER& layer = out.root().folders.at(0);
    ASSERT_EQ(layer.placemarks.size(), 5u);
    EXPECT_EQ(fromGb18030(layer.placemarks[0].name), QStringLiteral("𠀀𪚥 & <广场>"));
    EXPECT_EQ(fromGb18030(layer.placemarks[0].description), QStringLiteral("地标\n第二行"));
    EXPECT_EQ(layer.placemarks[1].name, "");
    for (size_t i = 0; i < std::size(labels); ++i)
        EXPECT_NEAR(layer.placemarks[i + 1].style.labelStyle.scale, labels[i].second, 1e-6) << i;
    const CICD_FOLDER& grandChildWritten = layer.folders.at(0).folders.at(0);
    EXPECT_TRUE(grandChildWritten.name == "grandchild" && grandChildWritten.folders.empty());
    EXPECT_FALSE(
        fileBytes(out.path).contains("KIND") || fileBytes(out.path).contains("not written"));

    // The progress cadence.
    const auto reports = [](const QVector<int>& counts) {
        QVector<VectorLayerData> layers;
        for (int count : counts)
            layers << layerOf(
                QStringLiteral("a"), QVector<VectorFeatureData>(count, pointFeature(1, 2)));
        return Written(layers).observer.reports;
    };
    // 250 features: the step is 2, so every odd count reports, and the last one 100.
    std::vector<int> expected { 0 };
    for (int written = 1; written < 250; written += 2)
        expected.push_back(written * 100 / 250);
    expected.push_back(100);
    EXPECT_EQ(reports({ 200, 50 }), expected);
    // Below 100 the step is the total; from 100 to 199 it is 1 and no count leaves remainder 1.
    EXPECT_EQ(reports({ 50 }), (std::vector<int> { 0, 2, 100 }));
    EXPECT_EQ(reports({ 150 }), (std::vector<int> { 0, 100 }));
    EXPECT_EQ(reports({ 1 }), (std::vector<int> { 0, 100 }));
    EXPECT_EQ(reports({ 0 }), std::vector<int> { 0 });
}
