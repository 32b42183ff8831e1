// Streams: files, strings, byte-order marks, progress and input that must be refused.
#include "KmlTestSupport.h"

#include "OvCoordSystem/kml/XmlFileStream.h"
#include "OvCoordSystem/kml/XmlParserProgress.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QList<int> percents(const QSignalSpy& spy)
{
    QList<int> values;
    for (const QList<QVariant>& call : spy)
        values << call.at(0).toInt();
    return values;
}

std::string nested(const std::string& open, const std::string& close, int depth)
{
    std::string text = "<kml>";
    for (int i = 0; i < depth; ++i)
        text += open;
    for (int i = 0; i < depth; ++i)
        text += close;
    return text + "</kml>";
}

} // namespace

TEST(XmlFileStream, ByteOrderMarkSurvivesALoadAndSave)
{
    QTemporaryDir dir;
    const QByteArray body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<kml><Placemark><name>x</name></Placemark></kml>\n";
    for (const bool mark : { true, false }) {
        const QString in = dir.filePath(QStringLiteral("in.kml"));
        const QString out = dir.filePath(QStringLiteral("out.kml"));
        ASSERT_TRUE(writeFile(in, mark ? "\xEF\xBB\xBF" + body : body));
        CXmlFileStream stream(localPath(in));
        stream.setEncoding(CXmlStream::EncodingUtf8);
        CICD_KML kml;
        ASSERT_TRUE(stream.load(&kml) && kml.placemarks.size() == 1u) << stream.errorString();
        EXPECT_EQ(stream.byteOrderMark(), mark);
        stream.setPath(localPath(out));
        ASSERT_TRUE(stream.save(&kml));
        EXPECT_TRUE(fileBytes(out).startsWith(mark ? "\xEF\xBB\xBF<?xml" : "<?xml")) << mark;
    }
}

TEST(XmlFileStream, UnusablePathsAnswerFalse)
{
    QTemporaryDir dir;
    CICD_KML kml;
    kml.xmlns = "keep";
    CXmlFileStream unwritable(localPath(dir.filePath(QStringLiteral("missing/dir/out.kml"))));
    EXPECT_FALSE(unwritable.save(&kml) || unwritable.load(&kml));
    EXPECT_FALSE(unwritable.errorString().empty());
    CXmlFileStream empty;
    EXPECT_FALSE(empty.save(&kml) || empty.load(&kml) || empty.save(nullptr));
    EXPECT_EQ(kml.xmlns, "keep");
}

// A short document fails only when the file is closed, a long one while it is printed.
TEST(XmlFileStream, AFullDiskIsAWriteError)
{
    for (const size_t placemarks : { 1, 20000 }) {
        CICD_KML kml;
        kml.placemarks.resize(placemarks);
        CXmlFileStream full("/dev/full");
        EXPECT_FALSE(full.save(&kml) || full.errorString().empty()) << placemarks;
    }
}

TEST(XmlStream, RefusedInputLeavesTheObjectAlone)
{
    const std::string texts[] = { "", "   \n", "not xml at all", "<?xml version=\"1.0\"?>",
        "<!-- only a comment -->", "<kml>", "<kml><Placemark></kml>",
        "<kml><Placemark><name>x</Placemark></kml>", "<other><Placemark/></other>",
        "<kml a='unterminated></kml>", nested("<Folder>", "</Folder>", 600),
        nested("<Folder x=\"/>\">", "</Folder>", 600), // a quoted "/>" does not close the tag
        nested("<Folder><!-- <x/> -->", "</Folder>", 600) };
    for (const std::string& text : texts) {
        CICD_KML kml;
        kml.xmlns = "keep";
        CXmlStringStream stream(text);
        EXPECT_FALSE(stream.load(&kml) || stream.errorString().empty()) << text.substr(0, 60);
        EXPECT_EQ(kml.xmlns, "keep");
    }
}

TEST(XmlStream, DeepButBoundedNestingLoadsAndSaves)
{
    // Under the nesting limit: many flat siblings, then 400 nested folders whose comments and
    // CDATA hold tags that do not nest.
    std::string text = "<kml>";
    for (int i = 0; i < 2000; ++i)
        text += "<y/><z a='>'/>";
    for (int i = 0; i < 400; ++i)
        text += "<Folder><!-- <a><a> --><![CDATA[<b><b>]]>";
    for (int i = 0; i < 400; ++i)
        text += "</Folder>";
    text += "</kml>";
    CICD_KML kml;
    CICD_KML again;
    ASSERT_TRUE(loadFromString(text, kml) && loadFromString(saveToString(kml), again));
    EXPECT_EQ(again, kml);
    int depth = 0;
    for (const auto* level = &kml.folders; !level->empty(); level = &level->front().folders)
        ++depth;
    EXPECT_EQ(depth, 400);
}

TEST(XmlParserProgress, ReadingSignalsEvenPercentsOnceWritingCountsAgainstTheTotalOrAHundred)
{
    std::string text = "<kml><Document>";
    for (int i = 0; i < 49; ++i)
        text += "<Placemark/>";
    CXmlParserProgress progress;
    QSignalSpy spy(&progress, SIGNAL(SignalNotifyProgress(int)));
    CXmlStringStream stream(text + "</Document></kml>");
    stream.setProgressCallback(&progress);
    CICD_KML kml;
    ASSERT_TRUE(stream.load(&kml)); // fifty elements
    QList<int> expected;
    for (int percent = 0; percent <= 100; percent += 2)
        expected << percent;
    EXPECT_EQ(percents(spy), expected);

    kml = CICD_KML();
    kml.placemarks.resize(2);
    kml.placemarks[0].name = "a";
    kml.placemarks[1].name = "b"; // four elements below the root
    spy.clear();
    ASSERT_TRUE(stream.save(&kml));
    EXPECT_EQ(percents(spy), (QList<int> { 0, 1, 2, 3, 4, 100 }));
    spy.clear();
    progress.setTotal(4);
    ASSERT_TRUE(stream.save(&kml));
    EXPECT_EQ(percents(spy), (QList<int> { 0, 25, 50, 75, 100 }));
}
