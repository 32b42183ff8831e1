#include "OvcoordRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

TEST(KmlCheck, SummarisesNestedContentAndEncoding)
{
    QTemporaryDir dir;
    const QByteArray name
        = QTextCodec::codecForName("GB18030")->fromUnicode(QString::fromUtf8("北京"));
    const QString path = writeFile(dir, "a.kml",
        "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\n"
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document><name>"
            + name
            + "</name>"
              "<Folder><Placemark><Point><coordinates>1,2,0</coordinates></Point></Placemark>"
              "<Folder><Placemark><LineString><coordinates>1,2 3,4</coordinates></LineString>"
              "</Placemark></Folder></Folder>"
              "<Placemark><MultiGeometry><Polygon/><Polygon/><Point/></MultiGeometry></Placemark>"
              "</Document><Placemark/></kml>\n");
    const OvcoordRun run = runOvcoord({ QStringLiteral("kml-check"), path });
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("encoding: gb2312"));
    EXPECT_TRUE(run.out.contains("documents: 1\nfolders: 2\nplacemarks: 4\npoints: 2\nlines: 1\n"
                                 "polygons: 2\ntracks: 0\n"))
        << run.out.constData();
}

TEST(KmlCheck, ByteOrderMarkMeansUtf8)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "b.kml", "\xEF\xBB\xBF<kml><Placemark/></kml>");
    const OvcoordRun run = runOvcoord({ QStringLiteral("kml-check"), path });
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("encoding: UTF-8 with byte-order mark\n"));
    EXPECT_TRUE(run.out.contains("placemarks: 1\n"));
}

TEST(KmlCheck, BadFilesFailWithAMessage)
{
    QTemporaryDir dir;
    const struct
    {
        QString path;
        const char* message;
    } cases[] = {
        { dir.filePath(QStringLiteral("missing.kml")), "no such file" },
        { writeFile(dir, "broken.kml", "<kml><Placemark></kml>"), "line 1" },
        { writeFile(dir, "other.xml", "<gpx/>"), "root element <gpx>" },
        { writeFile(dir, "empty.kml", ""), ": " },
    };
    for (const auto& c : cases) {
        const OvcoordRun run = runOvcoord({ QStringLiteral("kml-check"), c.path });
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_TRUE(run.err.startsWith("ovcoord kml-check: ")) << run.err.constData();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(runOvcoord({ QStringLiteral("kml-check") }).exitCode, 2);
}
