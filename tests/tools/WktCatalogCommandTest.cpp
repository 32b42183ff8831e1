#include "OvcoordRun.h"

#include <gtest/gtest.h>

TEST(OvcoordWkt, PrintsTheWktOfAKnownCode)
{
    const OvcoordRun run = runOvcoord({ QStringLiteral("wkt"), QStringLiteral("4326") });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("GEOGCS[\"WGS 84\"")) << run.out.constData();
    EXPECT_TRUE(run.out.endsWith("]\n"));
    const OvcoordRun esri = runOvcoord({ QStringLiteral("wkt"), QStringLiteral("54004") });
    EXPECT_EQ(esri.exitCode, 0);
    EXPECT_TRUE(esri.out.startsWith("PROJCS[\"World_Mercator\""));
}

TEST(OvcoordWkt, UnknownCodeFailsAndBadArgumentsAreUsageErrors)
{
    const OvcoordRun unknown = runOvcoord({ QStringLiteral("wkt"), QStringLiteral("999999") });
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_TRUE(unknown.err.contains("999999")) << unknown.err.constData();
    EXPECT_EQ(
        runOvcoord({ QStringLiteral("wkt"), QStringLiteral("--"), QStringLiteral("-1") }).exitCode,
        1);
    for (const QStringList& args : { QStringList { QStringLiteral("wkt") },
             QStringList { QStringLiteral("wkt"), QStringLiteral("epsg:4326") },
             QStringList { QStringLiteral("wkt"), QStringLiteral("4326"), QStringLiteral("3857") },
             QStringList { QStringLiteral("wkt"), QStringLiteral("--frob") } })
        EXPECT_EQ(runOvcoord(args).exitCode, 2) << args.join(' ').toStdString();
}

TEST(OvcoordCatalog, PrintsCodeTabNameLinesInCodeOrder)
{
    const OvcoordRun gk = runOvcoord({ QStringLiteral("catalog"), QStringLiteral("--kind"),
        QStringLiteral("gk"), QStringLiteral("--datum"), QStringLiteral("beijing54") });
    EXPECT_EQ(gk.exitCode, 0);
    const QList<QByteArray> lines = gk.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.first(), "21453\tBeijing 1954 GK CM 75");
    EXPECT_EQ(lines.last(), "21463\tBeijing 1954 GK CM 135");

    const OvcoordRun zones
        = runOvcoord({ QStringLiteral("catalog"), QStringLiteral("--kind"), QStringLiteral("gk"),
            QStringLiteral("--width"), QStringLiteral("3"), QStringLiteral("--zone-numbers") });
    EXPECT_TRUE(zones.out.startsWith("4513\tCGCS 2000 3 Degree GK Zone 25\n")); // cgcs2000 default

    const OvcoordRun south = runOvcoord({ QStringLiteral("catalog"), QStringLiteral("--kind"),
        QStringLiteral("utm"), QStringLiteral("--south") });
    EXPECT_EQ(south.out.count('\n'), 60);
    EXPECT_TRUE(south.out.startsWith("32701\tWGS 84 / UTM zone 1S\n"));

    const OvcoordRun world = runOvcoord(
        { QStringLiteral("catalog"), QStringLiteral("--kind"), QStringLiteral("world") });
    EXPECT_EQ(world.out, "3857\tWGS 84 / Pseudo-Mercator\n54004\tWorld Mercator\n");
}

TEST(OvcoordCatalog, ValuesOutsideTheDocumentedOnesAreUsageErrors)
{
    const QStringList kind { QStringLiteral("catalog"), QStringLiteral("--kind") };
    for (const QStringList& args : {
             QStringList { QStringLiteral("catalog") },
             kind + QStringList { QStringLiteral("mars") },
             kind
                 + QStringList { QStringLiteral("gk"), QStringLiteral("--datum"),
                     QStringLiteral("wgs84") },
             kind
                 + QStringList { QStringLiteral("gk"), QStringLiteral("--width"),
                     QStringLiteral("4") },
             kind
                 + QStringList { QStringLiteral("utm"), QStringLiteral("--datum"),
                     QStringLiteral("xian80") },
             kind + QStringList { QStringLiteral("gk"), QStringLiteral("--south") },
             kind + QStringList { QStringLiteral("geographic"), QStringLiteral("extra") },
         }) {
        const OvcoordRun run = runOvcoord(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
