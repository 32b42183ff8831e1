// KMZ archives, bad paths and inputs, and what other readers make of the written files.
#include "KmlWriteTestSupport.h"

#include "OvCoordSystem/vectors/KmlZipVisitor_p.h"
#include "OvCoordSystem/vectors/VecKmlWriteThread.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QVector<VectorLayerData> chineseRange()
{
    VectorFeatureData gate = feature(VectorFeatureData::Point, { { CVector3D(116.3975, 39.9087) } },
        QStringLiteral("天安门"), QStringLiteral("地标"));
    VectorFeatureData palace = feature(VectorFeatureData::Polygon, { square(116.3915, 39.9118) },
        QStringLiteral("故宫"), QStringLiteral("紫禁城范围"));
    palace.style.penColor = Qt::red;
    palace.style.fillColor = QColor(0, 0, 255, 64);
    VectorFeatureData road = feature(VectorFeatureData::Line,
        { { CVector3D(116.30, 39.90), CVector3D(116.45, 39.91) } }, QStringLiteral("长安街"),
        QString());
    return { layerOf(QStringLiteral("下载范围"), { gate, palace, road }) };
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Private folders the writer made for temporary KML files.
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

// Names of the placemarks of the first folder, decoded from GB18030.
QStringList placemarkNames(const CICD_KML& kml)
{
    QStringList names;
    if (kml.folders.empty()) return names;
    for (const CICD_PLACEMARK& placemark : kml.folders[0].placemarks)
        names << fromGb18030(placemark.name);
    return names;
}

const QStringList kRangeNames
    = { QStringLiteral("天安门"), QStringLiteral("故宫"), QStringLiteral("长安街") };

} // namespace

TEST(KmzWrite, OneEntryNamedLikeTheKmlAndNoKmlLeftBeside)
{
    QTemporaryDir dir;
    const QString kmz = dir.filePath(QStringLiteral("out.kmz"));
    RecordingObserver observer;
    ASSERT_TRUE(write(chineseRange(), kmz, &observer));
    EXPECT_EQ(filesIn(dir.path()), QStringList { QStringLiteral("out.kmz") });
    EXPECT_EQ(zipEntries(kmz), QStringList { QStringLiteral("out.kml") });
    EXPECT_EQ(observer.reports, QVector<int>({ 0, 33, 100 }));

    const QString extracted = dir.filePath(QStringLiteral("extracted.xml"));
    ASSERT_TRUE(extractEntry(kmz, QStringLiteral("out.kml"), extracted));
    int exitCode = 0;
    runXmllint({ QStringLiteral("--noout"), extracted }, &exitCode);
    EXPECT_EQ(exitCode, 0);
    CICD_KML kml;
    ASSERT_TRUE(readKml(extracted, kml));
    EXPECT_EQ(placemarkNames(kml), kRangeNames);
    EXPECT_TRUE(fileBytes(extracted).startsWith("<?xml version=\"1.0\" encoding=\"gb2312\""));
}

TEST(KmzWrite, AnUpperCaseSuffixAndAnExistingArchive)
{
    QTemporaryDir dir;
    const QString kmz = dir.filePath(QStringLiteral("RANGE.KMZ"));
    ASSERT_TRUE(writeFile(kmz, "not a zip"));
    ASSERT_TRUE(write(chineseRange(), kmz));
    // The temporary file is the path with its last character replaced by "l".
    EXPECT_EQ(zipEntries(kmz), QStringList { QStringLiteral("RANGE.KMl") });
    EXPECT_EQ(filesIn(dir.path()), QStringList { QStringLiteral("RANGE.KMZ") });
}

TEST(KmzWrite, AFileOrFolderWhereTheTemporaryKmlWouldGoIsLeftAlone)
{
    QTemporaryDir dir;
    const QString mine = dir.filePath(QStringLiteral("out.kml"));
    ASSERT_TRUE(writeFile(mine, "the user's own KML"));
    const QStringList before = privateTemporaryFolders();
    ASSERT_TRUE(write(chineseRange(), dir.filePath(QStringLiteral("out.kmz"))));
    EXPECT_EQ(fileBytes(mine), QByteArray("the user's own KML"));
    EXPECT_EQ(zipEntries(dir.filePath(QStringLiteral("out.kmz"))),
        QStringList { QStringLiteral("out.kml") });
    EXPECT_EQ(privateTemporaryFolders(), before);

    // A folder of that name: the KML twin cannot be created there.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("twin.kml/inside")));
    RecordingObserver observer;
    ASSERT_TRUE(write(chineseRange(), dir.filePath(QStringLiteral("twin.kmz")), &observer));
    EXPECT_EQ(zipEntries(dir.filePath(QStringLiteral("twin.kmz"))),
        QStringList { QStringLiteral("twin.kml") });
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("twin.kml/inside"))).isDir());
    EXPECT_EQ(observer.reports.last(), 100);
    EXPECT_EQ(privateTemporaryFolders(), before);
}

TEST(KmzWrite, APathWithoutFolderPacksDocKml)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const bool ok = write(chineseRange(), QStringLiteral("relative.kmz"));
    QDir::setCurrent(previous);
    ASSERT_TRUE(ok);
    EXPECT_EQ(zipEntries(dir.filePath(QStringLiteral("relative.kmz"))),
        QStringList { QStringLiteral("doc.kml") });
    EXPECT_EQ(filesIn(dir.path()), QStringList { QStringLiteral("relative.kmz") });
}

TEST(KmzWrite, TheVisitorHandsOverOneFileAndThenNoMore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("v.kml"));
    ASSERT_TRUE(writeFile(path, QByteArray("abc\0def", 7)));

    CKmlZipVisitor visitor(localPath(path));
    char* data = nullptr;
    std::size_t size = 0;
    std::string name;
    ASSERT_TRUE(visitor.nextFile(nullptr, data, size, name));
    std::unique_ptr<char[]> owned(data);
    EXPECT_EQ(QByteArray(data, int(size)), QByteArray("abc\0def", 7));
    EXPECT_EQ(name, "v.kml");
    EXPECT_FALSE(visitor.nextFile(nullptr, data, size, name));

    CKmlZipVisitor missing(localPath(dir.filePath(QStringLiteral("missing.kml"))));
    EXPECT_FALSE(missing.nextFile(nullptr, data, size, name));
}

TEST(KmlBadInput, UnwritablePathsWriteNothingAndLeaveNoTemporaryFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.kml")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.kmz")));
    const QStringList before = privateTemporaryFolders();
    const QString paths[] = {
        dir.filePath(QStringLiteral("missing/out.kml")),
        dir.filePath(QStringLiteral("missing/out.kmz")), // nor can its KML twin be created
        dir.filePath(QStringLiteral("folder.kml")),
        dir.filePath(QStringLiteral("folder.kmz")), // the twin is written, the archive is not
        QString(),
    };
    for (const QString& path : paths) {
        RecordingObserver observer;
        EXPECT_FALSE(write(chineseRange(), path, &observer)) << path.toStdString();
        EXPECT_EQ(observer.reports, QVector<int>({ 0, 33, 100 })) << path.toStdString();
    }
    EXPECT_EQ(filesIn(dir.path()),
        QStringList({ QStringLiteral("folder.kml"), QStringLiteral("folder.kmz") }));
    EXPECT_TRUE(filesIn(dir.filePath(QStringLiteral("folder.kml"))).isEmpty());
    EXPECT_TRUE(filesIn(dir.filePath(QStringLiteral("folder.kmz"))).isEmpty());
    EXPECT_EQ(privateTemporaryFolders(), before);
}

TEST(KmlBadInput, EmptyLayersAndFeaturesWithoutGeometry)
{
    QTemporaryDir dir;
    VectorLayerData empty = layerOf(QStringLiteral("空图层"), {});
    VectorLayerData child = layerOf(QStringLiteral("child"), {});
    empty.children = { &child };
    VectorLayerData odd = layerOf(QStringLiteral("odd"),
        { feature(3, { square(1, 1) }, QStringLiteral("三")), feature(4, {}, QStringLiteral("四")),
            feature(42, { square(1, 1) }), feature(-1, {}) });
    for (const char* name : { "empty.kml", "empty.kmz" }) {
        RecordingObserver observer;
        const QString path = dir.filePath(QLatin1String(name));
        ASSERT_TRUE(write({ empty, odd }, path, &observer)) << name;
        EXPECT_EQ(observer.reports, QVector<int>({ 0, 25, 100 })) << name;
    }
    EXPECT_EQ(filesIn(dir.path()),
        QStringList({ QStringLiteral("empty.kml"), QStringLiteral("empty.kmz") }));

    CICD_KML kml;
    ASSERT_TRUE(readKml(dir.filePath(QStringLiteral("empty.kml")), kml));
    const CICD_FOLDER& root = kml.folders.at(0);
    ASSERT_EQ(root.folders.size(), 2u);
    EXPECT_EQ(fromGb18030(root.folders[0].name), QStringLiteral("空图层"));
    ASSERT_EQ(root.folders[0].folders.size(), 1u);
    EXPECT_TRUE(root.folders[0].folders[0].placemarks.empty());
    ASSERT_EQ(root.folders[1].placemarks.size(), 4u);
    EXPECT_EQ(fromGb18030(root.folders[1].placemarks[1].name), QStringLiteral("四"));
    int exitCode = 0;
    runXmllint({ QStringLiteral("--noout"), dir.filePath(QStringLiteral("empty.kml")) }, &exitCode);
    EXPECT_EQ(exitCode, 0);
}

// Every gb2312 file: xmllint accepts it and the model reads the Chinese names back; GDAL's expat
// readers refuse the declaration, which is why UTF-8 output exists.
TEST(KmlInterop, Gb2312FilesReadWithXmllintAndTheModel)
{
    QTemporaryDir dir;
    const QString kml = dir.filePath(QStringLiteral("范围.kml"));
    const QString kmz = dir.filePath(QStringLiteral("范围.kmz"));
    ASSERT_TRUE(write(chineseRange(), kml));
    ASSERT_TRUE(write(chineseRange(), kmz));
    EXPECT_EQ(zipEntries(kmz), QStringList { QStringLiteral("范围.kml") });
    const QString extracted = dir.filePath(QStringLiteral("extracted.kml"));
    ASSERT_TRUE(extractEntry(kmz, QStringLiteral("范围.kml"), extracted));
    EXPECT_EQ(fileBytes(extracted), fileBytes(kml));

    for (const QString& path : { kml, extracted }) {
        int exitCode = 0;
        const QByteArray names = runXmllint(
            { QStringLiteral("--xpath"),
                QStringLiteral("//*[local-name()='Placemark']/*[local-name()='name']/text()"),
                path },
            &exitCode);
        EXPECT_EQ(exitCode, 0);
        // xmllint prints the text in UTF-8.
        EXPECT_EQ(
            QString::fromUtf8(names), kRangeNames.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        CICD_KML read;
        ASSERT_TRUE(readKml(path, read));
        EXPECT_EQ(placemarkNames(read), kRangeNames);
        EXPECT_EQ(fromGb18030(read.folders[0].name), QStringLiteral("下载范围"));
    }
    EXPECT_FALSE(readWithGdal(kml, "KML").opened);
}

TEST(KmlInterop, Utf8FilesReadWithXmllintTheModelAndGdalsKmlAndLibkmlDrivers)
{
    QTemporaryDir dir;
    const QString kml = dir.filePath(QStringLiteral("范围.kml"));
    const QString kmz = dir.filePath(QStringLiteral("范围.kmz"));
    ASSERT_TRUE(write(chineseRange(), kml, nullptr, CXmlStream::EncodingUtf8));
    ASSERT_TRUE(write(chineseRange(), kmz, nullptr, CXmlStream::EncodingUtf8));
    EXPECT_TRUE(fileBytes(kml).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\""));
    EXPECT_TRUE(fileBytes(kml).contains(QStringLiteral("紫禁城范围").toUtf8()));
    EXPECT_EQ(zipEntries(kmz), QStringList { QStringLiteral("范围.kml") });

    int exitCode = 0;
    runXmllint({ QStringLiteral("--noout"), kml }, &exitCode);
    EXPECT_EQ(exitCode, 0);
    CICD_KML model;
    ASSERT_TRUE(readKml(kml, model, CXmlStream::EncodingUtf8));
    EXPECT_EQ(
        QString::fromStdString(model.folders.at(0).placemarks.at(1).name), QStringLiteral("故宫"));

    const QString inside = QStringLiteral("/vsizip/") + kmz + QStringLiteral("/范围.kml");
    const struct
    {
        QString path;
        const char* driver;
    } reads[] = { { kml, "KML" }, { kml, "LIBKML" }, { inside, "KML" }, { kmz, "LIBKML" } };
    for (const auto& r : reads) {
        const GdalRead read = readWithGdal(r.path, r.driver);
        const std::string what = r.driver + std::string(" ") + r.path.toStdString();
        ASSERT_TRUE(read.opened) << what;
        EXPECT_EQ(read.layerNames, QStringList { QStringLiteral("下载范围") }) << what;
        EXPECT_EQ(read.featureNames, kRangeNames) << what;
        EXPECT_EQ(read.descriptions,
            QStringList({ QStringLiteral("地标"), QStringLiteral("紫禁城范围"), QString() }))
            << what;
        ASSERT_EQ(read.geometryNames.size(), 3) << what;
        EXPECT_EQ(read.geometryNames[0], QStringLiteral("POINT")) << what;
        EXPECT_EQ(read.geometryNames[1], QStringLiteral("POLYGON")) << what;
        EXPECT_EQ(read.geometryNames[2], QStringLiteral("LINESTRING")) << what;
    }
}
