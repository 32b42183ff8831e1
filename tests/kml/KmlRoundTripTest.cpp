// Whole documents: every class written and read back equal, the files checked by xmllint, and
// what the classes leave out or count as empty.
#include "KmlTestSupport.h"

#include "OvCoordSystem/kml/XmlFileStream.h"

#include <QTemporaryDir>
#include <QTextCodec>

#include <gtest/gtest.h>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";

QByteArray xpath(const QString& path, const char* expression)
{
    int exitCode = 0;
    const QByteArray out = runTool(QStringLiteral("xmllint"),
        { QStringLiteral("--xpath"), QLatin1String(expression), path }, &exitCode);
    EXPECT_EQ(exitCode, 0) << expression;
    return out.trimmed();
}

} // namespace

TEST(KmlRoundTrip, EveryClassReadsBackEqualFromStringsAndFiles)
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
}

TEST(KmlRoundTrip, XmllintReadsWhatWeWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.kml"));
    CXmlFileStream stream(localPath(path));
    stream.setEncoding(CXmlStream::EncodingUtf8);
    CICD_KML kml = fullKml();
    ASSERT_TRUE(stream.save(&kml));
    // Placemarks: 3 in the document, 2 in each copy of the folder and 1 in each sub-folder, 1 top.
    EXPECT_EQ(xpath(path, "count(//*[local-name()='Placemark'])"), "10");
    EXPECT_EQ(xpath(path, "string((//*[local-name()='hotSpot']/@y)[1])"), "1.000000000");
    // Upstream TinyXML prints "&#x41;" in text unescaped, so that it reads back as "A".
    EXPECT_EQ(
        xpath(path, "string((//*[local-name()='description'])[1])"), "a & b < c &#x41; &#x<b>");
    EXPECT_EQ(xpath(path, "string((//*[local-name()='Style']/@id)[1])"), "&#x3c;inline");
    EXPECT_EQ(xpath(path, "namespace-uri(/*)"), "http://www.opengis.net/kml/2.2");
}

TEST(KmlRoundTrip, Utf8DocumentsHoldOnlyUtf8Text)
{
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

TEST(KmlModel, StylesLeaveDefaultsOut)
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
}

TEST(KmlModel, IsEmptyFollowsEachClassRule)
{
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
