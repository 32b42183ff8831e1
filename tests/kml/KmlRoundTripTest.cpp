// Whole documents: every class written and read back equal, and the files checked by xmllint.
#include "KmlTestSupport.h"

#include "OvCoordSystem/kml/XmlFileStream.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <gtest/gtest.h>

namespace {

std::string local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// XPath over any namespace: //*[local-name()='NAME'].
QString any(const char* name)
{
    return QStringLiteral("//*[local-name()='%1']").arg(QLatin1String(name));
}

QByteArray xpath(const QString& path, const QString& expression)
{
    int exitCode = 0;
    const QByteArray out = runXmllint({ QStringLiteral("--xpath"), expression, path }, &exitCode);
    EXPECT_EQ(exitCode, 0) << expression.toStdString();
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
            ASSERT_TRUE(text.load(&fromText)) << text.errorString();
            EXPECT_EQ(fromText, original) << "string, encoding " << encoding << ", tab " << tab;
        }
        CXmlFileStream file(local(dir.filePath(QStringLiteral("full%1.kml").arg(encoding))));
        file.setEncoding(encoding);
        CICD_KML source = original;
        ASSERT_TRUE(file.save(&source));
        CICD_KML fromFile;
        ASSERT_TRUE(file.load(&fromFile)) << file.errorString();
        EXPECT_EQ(fromFile, original) << "file, encoding " << encoding;
    }
}

TEST(KmlRoundTrip, SavingWhatWasReadGivesTheSameText)
{
    CICD_KML kml = fullKml();
    const std::string first = saveToString(kml);
    CICD_KML read;
    ASSERT_TRUE(loadFromString(first, read));
    EXPECT_EQ(saveToString(read), first);
}

TEST(KmlRoundTrip, XmllintReadsWhatWeWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.kml"));
    CXmlFileStream stream(local(path));
    stream.setEncoding(CXmlStream::EncodingUtf8);
    CICD_KML kml = fullKml();
    ASSERT_TRUE(stream.save(&kml));

    int exitCode = -1;
    runXmllint({ QStringLiteral("--noout"), path }, &exitCode);
    ASSERT_EQ(exitCode, 0);
    // Placemarks: 3 in the document, 2 in each copy of the folder and 1 in each sub-folder, 1 top.
    EXPECT_EQ(xpath(path, QStringLiteral("count(%1)").arg(any("Placemark"))), "10");
    EXPECT_EQ(xpath(path,
                  QStringLiteral("string(/*[local-name()='kml']/*[local-name()='Folder']"
                                 "/*[local-name()='name'][2])")),
        "second name");
    EXPECT_EQ(xpath(path, QStringLiteral("string((%1/@y)[1])").arg(any("hotSpot"))), "1.000000000");
    EXPECT_EQ(xpath(path, QStringLiteral("string((%1)[1])").arg(any("description"))), "a & b < c");
    EXPECT_EQ(xpath(path, QStringLiteral("namespace-uri(/*)")), "http://www.opengis.net/kml/2.2");
}

TEST(KmlRoundTrip, LegacyEncodingWritesGb18030BytesUnderAGb2312Declaration)
{
    QTextCodec* gb18030 = QTextCodec::codecForName("GB18030");
    ASSERT_NE(gb18030, nullptr);
    const QString chinese = QString::fromUtf8("北京市海淀区");
    const QByteArray bytes = gb18030->fromUnicode(chinese);
    ASSERT_EQ(bytes.size(), 12); // two bytes per character

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gb.kml"));
    CXmlFileStream stream(local(path));
    stream.setEncoding(CXmlStream::EncodingLegacy);
    CICD_KML kml;
    kml.folders.resize(1);
    kml.folders[0].name = bytes.toStdString();
    ASSERT_TRUE(stream.save(&kml));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.startsWith("<?xml version=\"1.0\" encoding=\"gb2312\" ?>\n"));
    EXPECT_TRUE(written.contains("<name>" + bytes + "</name>"));

    // xmllint decodes gb2312 and prints UTF-8.
    EXPECT_EQ(xpath(path, QStringLiteral("string(%1)").arg(any("name"))), chinese.toUtf8());

    CICD_KML read;
    ASSERT_TRUE(stream.load(&read)) << stream.errorString();
    EXPECT_EQ(read, kml);
}

TEST(KmlRoundTrip, CharacterReferencesInTextStayLiteral)
{
    // Upstream TinyXML prints "&#x41;" in text unescaped, so that it reads back as "A".
    CICD_PLACEMARK placemark;
    placemark.name = "&#x41; &#x<b>";
    placemark.style.id = "&#x3c;";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("refs.kml"));
    CXmlFileStream stream(local(path));
    stream.setEncoding(CXmlStream::EncodingUtf8);
    ASSERT_TRUE(stream.save(&placemark));
    CICD_PLACEMARK read;
    ASSERT_TRUE(stream.load(&read)) << stream.errorString();
    EXPECT_EQ(read, placemark);
    EXPECT_EQ(xpath(path, QStringLiteral("string(%1)").arg(any("name"))), "&#x41; &#x<b>");
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
