// What the KML classes write (defaults left out), how they read, and when they count as empty.
#include "KmlTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(KmlModel, DefaultPlacemarkIsABareElement)
{
    CICD_PLACEMARK placemark;
    EXPECT_TRUE(placemark.isEmpty());
    EXPECT_EQ(saveToString(placemark), kDeclaration + "<Placemark />\n");
}

TEST(KmlModel, PointWritesCoordinatesWithoutDefaultDrawOrder)
{
    CICD_PLACEMARK placemark;
    placemark.point.coordinates = "116.4,39.9,0";
    EXPECT_EQ(saveToString(placemark),
        kDeclaration
            + "<Placemark>\n    <Point>\n        <coordinates>116.4,39.9,0</coordinates>\n"
              "    </Point>\n</Placemark>\n");
    placemark.point.drawOrder = 3;
    EXPECT_TRUE(contains(saveToString(placemark),
        "</coordinates>\n        <gx:drawOrder>3</gx:drawOrder>\n    </Point>"));
}

TEST(KmlModel, StylesLeaveDefaultsOut)
{
    CICD_STYLE style;
    style.lineStyle.width = 1.0f;
    EXPECT_TRUE(style.isEmpty());
    EXPECT_EQ(saveToString(style), kDeclaration + "<Style />\n");

    style.lineStyle.width = 2.0f;
    EXPECT_EQ(saveToString(style),
        kDeclaration
            + "<Style>\n    <LineStyle>\n        <width>2.000000</width>\n"
              "    </LineStyle>\n</Style>\n");

    CICD_STYLE withHotSpot;
    withHotSpot.id = "s";
    withHotSpot.iconStyle.hotSpot.y = 0.5;
    EXPECT_EQ(saveToString(withHotSpot),
        kDeclaration
            + "<Style id=\"s\">\n    <IconStyle>\n        <hotSpot y=\"0.500000000\" />\n"
              "    </IconStyle>\n</Style>\n");

    CICD_DOCUMENT document;
    document.styles.resize(2);
    document.styles[1].id = "second";
    EXPECT_TRUE(contains(saveToString(document),
        "<Document>\n    <Style />\n    <Style id=\"second\" />\n</Document>"));
}

TEST(KmlModel, IsEmptyFollowsEachClassRule)
{
    CICD_ICON_STYLE icon;
    icon.scale = 0.0009f;
    EXPECT_TRUE(icon.isEmpty());
    icon.scale = 0.001f;
    EXPECT_FALSE(icon.isEmpty());
    CICD_LABEL_STYLE label;
    label.scale = -2.0f; // any scale below 0.001 counts as unset
    EXPECT_TRUE(label.isEmpty());
    CICD_LINE_STYLE line;
    line.width = 1.0001f;
    EXPECT_FALSE(line.isEmpty());

    CICD_PLACEMARK onlyStyleUrl;
    onlyStyleUrl.styleUrl = "#s";
    EXPECT_TRUE(onlyStyleUrl.isEmpty());

    CICD_KML kml;
    kml.placemarks.resize(3);
    EXPECT_TRUE(kml.isEmpty());
    kml.documents.resize(1); // a document is never empty
    EXPECT_FALSE(kml.isEmpty());
    ICD_MULTIGEOMETRY multi;
    multi.points.resize(1); // a list with an empty item is not empty
    EXPECT_FALSE(multi.isEmpty());
}

TEST(KmlModel, ReadingSetsMissingFieldsToDefaults)
{
    CICD_KML kml;
    CICD_PLACEMARK stale;
    stale.name = "old";
    stale.visibility = 0;
    stale.point.drawOrder = 4;
    kml.placemarks = { stale };
    ASSERT_TRUE(loadFromString("<kml><Placemark><name>new</name><Point/></Placemark></kml>", kml));
    ASSERT_EQ(kml.placemarks.size(), 1u);
    EXPECT_EQ(kml.placemarks[0].name, "new");
    EXPECT_EQ(kml.placemarks[0].visibility, 1);
    EXPECT_EQ(kml.placemarks[0].point.drawOrder, 1);
}

TEST(KmlModel, ListsReadInDocumentOrder)
{
    CICD_KML kml;
    ASSERT_TRUE(loadFromString("<kml><Document>"
                               "<Placemark><name>a</name></Placemark><Style id='x'/>"
                               "<Placemark><name>b</name></Placemark><Folder/>"
                               "<Placemark><name>c</name></Placemark>"
                               "</Document></kml>",
        kml));
    ASSERT_EQ(kml.documents.size(), 1u);
    const CICD_DOCUMENT& document = kml.documents[0];
    ASSERT_EQ(document.placemarks.size(), 3u);
    EXPECT_EQ(document.placemarks[0].name, "a");
    EXPECT_EQ(document.placemarks[1].name, "b");
    EXPECT_EQ(document.placemarks[2].name, "c");
    EXPECT_EQ(document.styles.size(), 1u);
    EXPECT_EQ(document.folders.size(), 1u);
}

TEST(KmlModel, FolderWritesAndReadsBothNames)
{
    CICD_FOLDER folder;
    folder.name = "first";
    folder.secondName = "second";
    const std::string text = saveToString(folder);
    EXPECT_EQ(text,
        kDeclaration + "<Folder>\n    <name>first</name>\n    <name>second</name>\n</Folder>\n");
    CICD_FOLDER read;
    ASSERT_TRUE(loadFromString(text, read));
    EXPECT_EQ(read.name, "first");
    EXPECT_EQ(read.secondName, "second");
    EXPECT_EQ(read, folder);
}

TEST(KmlModel, TrackKeepsItsCoordinatesInOrder)
{
    CICD_GX_TRACK track;
    track.coords = { "1 2 3", "", "4 5 6" };
    const std::string text = saveToString(track);
    EXPECT_EQ(text,
        kDeclaration
            + "<gx:Track>\n    <gx:coord>1 2 3</gx:coord>\n    <gx:coord></gx:coord>\n"
              "    <gx:coord>4 5 6</gx:coord>\n</gx:Track>\n");
    CICD_GX_TRACK read;
    ASSERT_TRUE(loadFromString(text, read));
    EXPECT_EQ(read, track);
}

TEST(KmlModel, EqualitySeesEveryNestedField)
{
    const CICD_KML original = fullKml();
    EXPECT_EQ(fullKml(), original);
    const std::function<void(CICD_KML&)> changes[] = {
        [](CICD_KML& k) { k.xmlnsAtom.clear(); },
        [](CICD_KML& k) { k.documents[0].open = 0; },
        [](CICD_KML& k) { k.folders[0].secondName += "!"; },
        [](CICD_KML& k) { k.placemarks[0].lookAt.range += 1e-9; },
        [](CICD_KML& k) { k.placemarks[0].style.iconStyle.hotSpot.yunits.clear(); },
        [](CICD_KML& k) { k.placemarks[0].track.coords.pop_back(); },
        [](CICD_KML& k) { k.folders[0].groundOverlays[0].region.lod.minLodPixels = 1; },
        [](CICD_KML& k) { k.documents[0].styleMaps[0].pairs[2].key = "k"; },
        [](CICD_KML& k) { k.documents[0].placemarks.pop_back(); },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        CICD_KML changed = original;
        changes[i](changed);
        EXPECT_NE(changed, original) << "change " << i;
    }
}

TEST(KmlModel, RefusedContentFailsLoadAndSave)
{
    // A message object that refuses its content: the read above it fails, and so does load.
    struct Refusing : CXmlMessageObject
    {
        SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
            SerTinyXml::TiXmlElement* parent, const char* name) override
        {
            SerTinyXml::TiXmlElement* element = serializeChild(serializer, parent, "kml");
            return element ? finishContent(serializer, parent, element, name, true) : nullptr;
        }
        bool afterContent(CTinyXmlSerializer*, SerTinyXml::TiXmlElement*, SerTinyXml::TiXmlElement*,
            const char*) override
        {
            return false;
        }
    } refusing;
    CXmlStringStream stream("<kml/>");
    EXPECT_FALSE(stream.load(&refusing));
    EXPECT_FALSE(stream.save(&refusing));
    EXPECT_EQ(stream.text(), "<kml/>"); // nothing written for a failed tree
}
