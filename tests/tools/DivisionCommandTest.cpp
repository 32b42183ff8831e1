#include "OvcoordRun.h"
#include "ShareService.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

// A name resolves to the division (exact names first); the summary's area is geodesic, in km².
// A code gives the boundary as GeoJSON, one polygon per part.
TEST(DivisionCommand, SummaryByNameAndGeoJsonByCode)
{
    const ProgramRun run = runOvcoord({ "division", QString::fromUtf8("北京") });
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

    const ProgramRun json = runOvcoord({ "division", "--geojson", "469005" });
    ASSERT_EQ(json.exitCode, 0) << json.err.constData();
    const QJsonObject feature = QJsonDocument::fromJson(json.out).object();
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

// The share command against the reference service, and the division export it sits beside.
TEST(ShareCommand, LinkFromTheServiceAndExitCodesByFailure)
{
    ShareService service;
    ASSERT_FALSE(service.address().isEmpty());
    QTemporaryDir dir;
    qputenv("OV_DATA_DIR", dir.path().toUtf8());
    const QString address = service.address();
    expectCommandLines(
        {
            { "share|110105|--service|%d", 0,
                "division: 110105 朝阳区\nlink: https://pan.baidu.com/s/1110105Range\ncode: " },
            { "share|110105|--service|http://127.0.0.1:1", 1, nullptr,
                "no answer from the service" },
        },
        address);
    EXPECT_EQ(service.lastRequest().value("adcode").toString(), QStringLiteral("110105"));
    service.setFault(QStringLiteral("error-code"));
    expectCommandLines({ { "share|110105|--service|%d", 2, nullptr, "refused" } }, address);

    // The export never writes over what is there; missing data names where it was looked for.
    expectCommandLines(
        {
            { "division|110105|--export|%d/cy.shp", 0, "written: " },
            { "division|110105|--export|%d/cy.shp", 1, nullptr, "nothing written" },
            { "division|--divisions|%d/china.gpkg|999999", 1, nullptr, "looked for %d/china.gpkg" },
        },
        dir.path());
    qunsetenv("OV_DATA_DIR");
}

} // namespace
