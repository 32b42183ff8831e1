// Whole documents: every class written and read back equal, the files checked by xmllint, what
// the classes leave out or count as empty; streams: files, strings, byte-order marks, progress
// and input that must be refused.
#include "KmlTestSupport.h"

#include "OvCoordSystem/kml/XmlFileStream.h"
#include "OvCoordSystem/kml/XmlParserProgress.h"

#include <QSignalSpy>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";

QByteArray xpath(const QString& path, const char* expression)
{
    return runProgram(
        QStringLiteral("xmllint"), { QStringLiteral("--xpath"), QLatin1String(expression), path })
        .out.trimmed();
}

QList<int> percents(const QSignalSpy& spy)
{
    QList<int> values;
    for (const QList<QVariant>& call : spy)
        values << call.at(0).toInt();
    return values;
}

std::string repeated(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

std::string nested(const std::string& open, const std::string& close, int depth)
{
    return "<kml>" + repeated(open, depth) + repeated(close, depth) + "</kml>";
}

} // namespace

TEST(KmlRoundTrip, EveryClassReadsBackEqualFromStringsAndFilesThatXmllintReads)
{
    QTemporaryDir dir;
    const CICD_KML original = fullKml();
    for (const int encoding : { CXmlStream::EncodingLegacy, CXmlStream::EncodingUtf8 }) {
        for (const bool tab : { true, false }) {
            CXmlStringStream text;
            text.setEncoding(encoding);
            text.setTabIndent(tab);
            CICD_KML source = original;
            ASSERT_TRUE(text.save(&source));
            CICD_KML fromText;
            const std::string first = text.text();
            // Saving what was read gives the same text.
            ASSERT_TRUE(text.load(&fromText) && text.save(&fromText)) << text.errorString();
            EXPECT_EQ(fromText, original) << "string, encoding " << encoding << ", tab " << tab;
            EXPECT_EQ(text.text(), first);
        }
        const QString path = dir.filePath(QStringLiteral("full%1.kml").arg(encoding));
        CXmlFileStream file(localPath(path));
        file.setEncoding(encoding);
        CICD_KML source = original;
        ASSERT_TRUE(file.save(&source));
        EXPECT_TRUE(fileBytes(path).startsWith(encoding == CXmlStream::EncodingUtf8
                ? "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<kml"
                : "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\n<kml"));
        CICD_KML fromFile;
        EXPECT_TRUE(file.load(&fromFile) && fromFile == original) << "file, encoding " << encoding;
    }
    // xmllint reads the UTF-8 file. Placemarks: 3 in the document, 2 in each copy of the folder
    // and 1 in each sub-folder, 1 top.
    const QString path = dir.filePath(QStringLiteral("full%1.kml").arg(CXmlStream::EncodingUtf8));
    EXPECT_EQ(xpath(path, "count(//*[local-name()='Placemark'])"), "10");
    EXPECT_EQ(xpath(path, "string((//*[local-name()='hotSpot']/@y)[1])"), "1.000000000");
    // Upstream TinyXML prints "&#x41;" in text unescaped, so that it reads back as "A".
    EXPECT_EQ(
        xpath(path, "string((//*[local-name()='description'])[1])"), "a & b < c &#x41; &#x<b>");
    EXPECT_EQ(xpath(path, "string((//*[local-name()='Style']/@id)[1])"), "&#x3c;inline");
    EXPECT_EQ(xpath(path, "namespace-uri(/*)"), "http://www.opengis.net/kml/2.2");

    // UTF-8 documents hold only UTF-8 text.
    const QByteArray gb
        = QTextCodec::codecForName("GB18030")->fromUnicode(QString::fromUtf8("北京"));
    CICD_PLACEMARK placemark;
    placemark.name = gb.toStdString();
    CXmlStringStream utf8;
    utf8.setEncoding(CXmlStream::EncodingUtf8);
    EXPECT_FALSE(utf8.save(&placemark));
    EXPECT_NE(utf8.errorString().find("\"name\" is not valid UTF-8"), std::string::npos);

    const std::string text = "<Placemark><name>" + gb.toStdString() + "</name></Placemark>";
    CICD_PLACEMARK read;
    EXPECT_FALSE(loadFromString(text, read, CXmlStream::EncodingUtf8));
    ASSERT_TRUE(loadFromString(text, read, CXmlStream::EncodingLegacy));
    EXPECT_EQ(read, placemark);
    // A reference to a surrogate is no character either.
    EXPECT_FALSE(loadFromString("<Placemark><name>&#xD800;</name></Placemark>", read));
}

TEST(KmlModel, StylesLeaveDefaultsOutAndIsEmptyFollowsEachClassRule)
{
    CICD_STYLE style;
    style.lineStyle.width = 1.0f;
    EXPECT_TRUE(style.isEmpty());
    EXPECT_EQ(saveToString(style), kDeclaration + "<Style />\n");

    CICD_STYLE withHotSpot;
    withHotSpot.id = "s";
    withHotSpot.iconStyle.hotSpot.y = 0.5;
    EXPECT_EQ(saveToString(withHotSpot),
        kDeclaration
            + "<Style id=\"s\">\n    <IconStyle>\n        <hotSpot y=\"0.500000000\" />\n"
              "    </IconStyle>\n</Style>\n");

    // Any scale below 0.001 counts as unset, any width but 1.
    CICD_ICON_STYLE icon, big;
    icon.scale = 0.0009f;
    big.scale = 0.001f;
    CICD_LABEL_STYLE label;
    label.scale = -2.0f;
    CICD_LINE_STYLE line;
    line.width = 1.0001f;
    EXPECT_TRUE(icon.isEmpty() && !big.isEmpty() && label.isEmpty() && !line.isEmpty());

    CICD_PLACEMARK onlyStyleUrl;
    onlyStyleUrl.styleUrl = "#s";
    EXPECT_TRUE(onlyStyleUrl.isEmpty());

    // A document is never empty, nor a list with an empty item.
    CICD_KML kml;
    kml.placemarks.resize(3);
    EXPECT_TRUE(kml.isEmpty());
    kml.documents.resize(1);
    ICD_MULTIGEOMETRY multi;
    multi.points.resize(1);
    EXPECT_FALSE(kml.isEmpty() || multi.isEmpty());
}

// A byte-order mark survives a load and save; unusable paths answer false; a short document on a
// full disk fails only when the file is closed, a long one while it is printed.
TEST(XmlFileStream, ByteOrderMarksUnusablePathsAndAFullDisk)
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

    CICD_KML kml;
    kml.xmlns = "keep";
    CXmlFileStream unwritable(localPath(dir.filePath(QStringLiteral("missing/dir/out.kml"))));
    EXPECT_FALSE(unwritable.save(&kml) || unwritable.load(&kml));
    EXPECT_FALSE(unwritable.errorString().empty());
    CXmlFileStream empty;
    EXPECT_FALSE(empty.save(&kml) || empty.load(&kml) || empty.save(nullptr));
    EXPECT_EQ(kml.xmlns, "keep");

    for (const size_t placemarks : { 1, 20000 }) {
        kml.placemarks.resize(placemarks);
        CXmlFileStream full("/dev/full");
        EXPECT_FALSE(full.save(&kml) || full.errorString().empty()) << placemarks;
    }
}

TEST(XmlStream, RefusedInputLeavesTheObjectAloneAndBoundedNestingLoads)
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

    // Under the nesting limit: many flat siblings, then 400 nested folders whose comments and
    // CDATA hold tags that do not nest.
    const std::string text = "<kml>" + repeated("<y/><z a='>'/>", 2000)
        + repeated("<Folder><!-- <a><a> --><![CDATA[<b><b>]]>", 400) + repeated("</Folder>", 400)
        + "</kml>";
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
    CXmlParserProgress progress;
    QSignalSpy spy(&progress, SIGNAL(SignalNotifyProgress(int)));
    CXmlStringStream stream("<kml><Document>" + repeated("<Placemark/>", 49) + "</Document></kml>");
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
