// The serialiser's element operations and number reads, the message object's counters, and the
// streaming printer's text pieces against their references: fixed notation against the C
// library's "%.*f", escaping against TinyXML's own EncodeString, on large random sets.
#include "OvCoordSystem/kml/SerTinyXml_p.h"

#include "OvCoordSystem/kml/IcdPoint.h"
#include "OvCoordSystem/kml/TinyXmlSerializer.h"
#include "OvCoordSystem/kml/XmlStringStream.h"
#include "OvCoordSystem/kml/XmlText_p.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <tuple>

using SerTinyXml::TiXmlElement;

namespace {
constexpr int kRandomValues = 50000;

std::string printfFixed(double value, int decimals)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// Values of every size and sign, values halfway between two printed ones (k / 2^n), and values
// just below a carry into the next digit.
double randomValue(std::mt19937_64& random)
{
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    switch (random() % 5) {
    case 0:
        return unit(random) * 180.0;
    case 1:
        return unit(random) * std::pow(10.0, static_cast<int>(random() % 600) - 300);
    case 2:
        return static_cast<double>(static_cast<int64_t>(random() % 2000001) - 1000000)
            / std::ldexp(1.0, static_cast<int>(random() % 40));
    case 3:
        return std::nextafter(std::round(unit(random) * 1e6) + 0.5e-12, 0.0);
    default: {
        double value;
        const uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? value : 0.0;
    }
    }
}

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

    // An object that does not count answers its own index.
    CICD_POINT point;
    point.setIndex(5);
    point.setCounting(false);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(point.nextChildIndex("Placemark", true), 5);
}

TEST(XmlText, FixedNotationIsPrintfsAndEscapingTinyXmls)
{
    std::mt19937_64 random(20261206);
    for (int i = 0; i < kRandomValues; ++i) {
        const double value = randomValue(random);
        for (const int decimals : { 12, 2, 9, 6 }) {
            std::string text = "x";
            xmltext::appendFixed(text, value, decimals);
            ASSERT_EQ(text.substr(1), printfFixed(value, decimals))
                << std::hexfloat << value << " decimals " << decimals;
        }
    }
    for (const double edge : { 0.0, -0.0, std::numeric_limits<double>::max(),
             -std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min() }) {
        EXPECT_EQ(xmltext::formatFixed(edge, 12), printfFixed(edge, 12));
    }

    random.seed(7);
    const std::string alphabet = std::string("&<>\"'#x;aZ9 \t\n\r\x01\x1f\x7f\x80\xe4\xb8\xad", 22);
    for (int i = 0; i < kRandomValues / 10; ++i) {
        std::string value;
        const size_t length = random() % 24;
        for (size_t j = 0; j < length; ++j)
            value += alphabet[random() % alphabet.size()];
        std::string expected;
        SerTinyXml::TiXmlBase::EncodeString(value, &expected);
        std::string escaped;
        xmltext::appendEscaped(escaped, value.data(), value.size());
        ASSERT_EQ(escaped, expected) << value;
    }
}
