// The vector writer hands KML and KMZ paths to the KML writer, with its options; the file
// browser shows only a file written when asked.
#include "KmlWriteTestSupport.h"

#include "OvCoordSystem/vectors/I_WriteVector.h"

#include "OvCoordSystem/host/RevealInFileBrowser.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(KmlWriteLayers, KmlAndKmzPathsGoThroughTheKmlWriterWithItsOptions)
{
    QStringList revealed;
    const RevealHandler previous = SetRevealHandler([&](const QString& path) {
        revealed << path;
        return true;
    });
    QTemporaryDir dir;
    const QVector<VectorLayerData> layers { layerOf(QStringLiteral("范围"),
        { feature(
            VectorFeatureData::Polygon, { square(116.39, 39.91) }, QStringLiteral("故宫")) }) };

    RecordingObserver observer;
    I_WriteVector writer;
    writer.setObserver(&observer);
    VectorWriteOptions options;
    options.path = dir.filePath(QStringLiteral("range.kml"));
    options.openFolderAfterWrite = false;
    writer.writeLayers(layers, options);
    options.path = dir.filePath(QStringLiteral("range.KMZ"));
    options.openFolderAfterWrite = true;
    options.kmlEncoding = 1;
    writer.writeLayers(layers, options);
    options.path = dir.filePath(QStringLiteral("missing/range.kml")); // fails: nothing to show
    writer.writeLayers(layers, options);
    SetRevealHandler(previous);

    EXPECT_EQ(observer.reports, QVector<int>({ 0, 100, 0, 100, 0, 100 }));
    EXPECT_EQ(revealed, QStringList { dir.filePath(QStringLiteral("range.KMZ")) });
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
        QStringList({ QStringLiteral("range.KMZ"), QStringLiteral("range.kml") }));
    const QString extracted = dir.filePath(QStringLiteral("extracted.xml"));
    ASSERT_TRUE(extractEntry(
        dir.filePath(QStringLiteral("range.KMZ")), QStringLiteral("range.KMl"), extracted));
    EXPECT_TRUE(fileBytes(extracted).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\""));
}
