// The KML writer beyond what the golden files show: file and layer names, feature texts, label
// scale bounds, sub-layer cycles and progress.
#include "KmlWriteTestSupport.h"

#include "OvCoordSystem/vectors/VecKmlWriteThread.h"

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

    Written(const QVector<VectorLayerData>& layers, const QString& name = QStringLiteral("out.kml"))
        : path(dir.filePath(name))
    {
        ok = VecKmlWriteThread().write(layers, path, &observer, false);
        EXPECT_TRUE(ok && readKml(path, kml)) << path.toStdString();
    }

    const CICD_FOLDER& root() const { return kml.folders.at(0); }
};

} // namespace

TEST(KmlWrite, NamesTextsLabelScalesAndSubLayerCycles)
{
    VectorFeatureData named = feature(VectorFeatureData::Point, { { CVector3D(116, 39) } },
        QStringLiteral("𠀀𪚥 & <广场>"), QStringLiteral("地标\n第二行"));
    named.name = QStringLiteral("not written");
    named.remark = QStringLiteral("not written");
    named.attributes.insert(QStringLiteral("KIND"), 3);
    // Label scale: point size over twelve, strictly between 12 and 72, else 1.
    const struct
    {
        double points;
        float scale;
    } labels[] = { { 13, 13.0f / 12 }, { 71.5, 71.5f / 12 }, { 72, 1.0f }, { 8, 1.0f } };
    QVector<VectorFeatureData> features { named };
    for (const auto& c : labels) {
        features.append(pointFeature(116, 39));
        features.last().style.labelFont.setPointSizeF(c.points);
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
        EXPECT_NEAR(layer.placemarks[i + 1].style.labelStyle.scale, labels[i].scale, 1e-6) << i;
    const CICD_FOLDER& grandChildWritten = layer.folders.at(0).folders.at(0);
    EXPECT_TRUE(grandChildWritten.name == "grandchild" && grandChildWritten.folders.empty());
    EXPECT_FALSE(
        fileBytes(out.path).contains("KIND") || fileBytes(out.path).contains("not written"));
}

TEST(KmlWrite, ProgressCadence)
{
    const auto reports = [](const QVector<int>& counts) {
        QVector<VectorLayerData> layers;
        for (int count : counts)
            layers << layerOf(
                QStringLiteral("a"), QVector<VectorFeatureData>(count, pointFeature(1, 2)));
        return Written(layers).observer.reports;
    };
    // 250 features: the step is 2, so every odd count reports, and the last one 100.
    QVector<int> expected { 0 };
    for (int written = 1; written < 250; written += 2)
        expected << written * 100 / 250;
    EXPECT_EQ(reports({ 200, 50 }), expected << 100);
    // Below 100 the step is the total; from 100 to 199 it is 1 and no count leaves remainder 1.
    EXPECT_EQ(reports({ 50 }), QVector<int>({ 0, 2, 100 }));
    EXPECT_EQ(reports({ 150 }), QVector<int>({ 0, 100 }));
    EXPECT_EQ(reports({ 1 }), QVector<int>({ 0, 100 }));
    EXPECT_EQ(reports({ 0 }), QVector<int>({ 0 }));
}
