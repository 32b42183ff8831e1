#include "OvcoordRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A name resolves to the division (exact names first); the summary's area is geodesic, in km².
TEST(DivisionCommand, SummaryByName)
{
    const OvcoordRun run = runOvcoord({ "division", QString::fromUtf8("北京") });
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString text = QString::fromUtf8(run.out);
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("code: 110000\nname: 北京市\nlevel: 1 province\n"
                                                  "parent: (none)\npolygons: 4\n")))
        << run.out.constData();
    // Beijing Municipal Bureau of Statistics: 16,410.54 km². The boundary is coarse (1/1024°).
    const int at = text.indexOf("area: ");
    ASSERT_GE(at, 0);
    EXPECT_NEAR(text.mid(at + 6).section(' ', 0, 0).toDouble(), 16410.54, 80.0);
    EXPECT_TRUE(run.err.contains("110100")) << "the other match is named";
}

TEST(DivisionCommand, GeoJsonOnePolygonPerPart)
{
    const OvcoordRun run = runOvcoord({ "division", "--geojson", "469005" });
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject feature = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(feature["properties"].toObject()["parent"].toString(), "469000");
    EXPECT_EQ(feature["properties"].toObject()["name"].toString(), QString::fromUtf8("文昌市"));
    const QJsonArray polygons = feature["geometry"].toObject()["coordinates"].toArray();
    ASSERT_EQ(polygons.size(), 8);
    for (const QJsonValue& polygon : polygons) {
        const QJsonArray ring = polygon.toArray().first().toArray();
        ASSERT_GE(ring.size(), 4);
        EXPECT_EQ(ring.first(), ring.last());
        EXPECT_NEAR(ring.first().toArray()[1].toDouble(), 19.6, 0.5); // Wenchang, Hainan
    }
}

TEST(DivisionCommand, UnknownDivisionAndMissingData)
{
    QTemporaryDir dir;
    const QString missing = dir.path() + "/china.gpkg";
    const OvcoordRun unknown = runOvcoord({ "division", "--divisions", missing, "999999" });
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains(("looked for " + missing).toUtf8()))
        << unknown.err.constData();
    EXPECT_TRUE(unknown.out.isEmpty());
}

} // namespace
