// The serialiser's element operations and number reads, and the message object's counters.
#include "OvCoordSystem/kml/SerTinyXml_p.h"

#include "OvCoordSystem/kml/IcdPoint.h"
#include "OvCoordSystem/kml/TinyXmlSerializer.h"
#include "OvCoordSystem/kml/XmlStringStream.h"

#include <gtest/gtest.h>

#include <tuple>

using SerTinyXml::TiXmlElement;

namespace {

// A serialiser reading TEXT, for the operations that take elements.
struct ReadFixture
{
    explicit ReadFixture(const std::string& text)
        : stream(text)
        , serializer(CXmlStream::EncodingUtf8, nullptr)
    {
        ok = serializer.begin(&stream, CTinyXmlSerializer::ModeReading);
    }
    CXmlStringStream stream;
    CTinyXmlSerializer serializer;
    bool ok = false;
};

} // namespace

TEST(TinyXmlSerializer, ReadsLeadingNumbersLikeAtoiAndAtof)
{
    ReadFixture f("<r n='1.25' bad='x'><a>12abc</a><b>x</b><c/><d> 2.5e1 </d></r>");
    ASSERT_TRUE(f.ok);
    TiXmlElement* root = f.serializer.root();
    int i = -1;
    double d = -1;
    std::string s = "old";
    EXPECT_TRUE(CTinyXmlSerializer::readInt(root->FirstChildElement("a"), i) && i == 12);
    EXPECT_TRUE(CTinyXmlSerializer::readInt(root->FirstChildElement("b"), i) && i == 0);
    EXPECT_TRUE(CTinyXmlSerializer::readDouble(root->FirstChildElement("d"), d) && d == 25.0);
    EXPECT_TRUE(CTinyXmlSerializer::readString(root->FirstChildElement("c"), s) && s.empty());
    EXPECT_FALSE(CTinyXmlSerializer::readInt(nullptr, i));
    EXPECT_EQ(i, 0);

    EXPECT_TRUE(CTinyXmlSerializer::queryDoubleAttribute(root, "n", d) && d == 1.25);
    EXPECT_FALSE(CTinyXmlSerializer::queryDoubleAttribute(root, "bad", d)
        || CTinyXmlSerializer::queryDoubleAttribute(root, "missing", d)
        || CTinyXmlSerializer::getAttribute(root, nullptr, s)
        || CTinyXmlSerializer::setAttribute(nullptr, "a", "v")
        || CTinyXmlSerializer::setAttribute(root, nullptr, "v"));
    EXPECT_EQ(d, 1.25);
}

TEST(TinyXmlSerializer, FindElementCountsOccurrencesAndStaysInRange)
{
    ReadFixture f("<r n='3' bad='x'><p id='0'/><q/><p id='1'/></r>");
    ASSERT_TRUE(f.ok);
    CTinyXmlSerializer& s = f.serializer;
    TiXmlElement* root = s.root();
    EXPECT_EQ(s.total(), 3);

    EXPECT_STREQ(s.findElement(root, "p", 1)->Attribute("id"), "1");
    EXPECT_STREQ(s.findElement(root, "p", 0)->Attribute("id"), "0"); // back after a later one
    EXPECT_EQ(s.done(), 2);
    for (const auto& [parent, name, index] : { std::tuple { root, "p", 2 }, { root, "p", -1 },
             { nullptr, "p", 0 }, { root, nullptr, 0 } })
        EXPECT_EQ(s.findElement(parent, name, index), nullptr);
    EXPECT_EQ(s.done(), 2); // only found elements count

    int count = -1;
    EXPECT_TRUE(s.findElementCount(root, "#", 0, "p", "#", count) == root && count == 2);
    EXPECT_TRUE(s.findElementCount(root, "", 0, nullptr, "", count) == root && count == 3);
    EXPECT_TRUE(s.findElementCount(root, "#", 0, nullptr, "n", count) == root && count == 3);
    for (const auto& [index, attribute] :
        { std::pair { 0, "bad" }, { 0, "missing" }, { 0, nullptr }, { -1, "#" } })
        EXPECT_EQ(s.findElementCount(root, "#", index, nullptr, attribute, count), nullptr);
    EXPECT_EQ(s.findElementCount(root, "q", 0, nullptr, "#", count)->ValueStr(), "q");
    EXPECT_EQ(count, 0);
}

// Reading lists proves the counting per name; an object that does not count answers its own
// index.
TEST(XmlMessageObject, WithoutCountingTheIndexIsItsOwn)
{
    CICD_POINT point;
    point.setIndex(5);
    point.setCounting(false);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(point.nextChildIndex("Placemark", true), 5);
}
