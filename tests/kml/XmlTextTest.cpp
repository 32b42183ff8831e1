// The streaming printer's text pieces against their references: fixed notation against the C
// library's "%.*f", escaping against TinyXML's own EncodeString, on large random sets.
#include "OvCoordSystem/kml/SerTinyXml_p.h"
#include "OvCoordSystem/kml/XmlText_p.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

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
} // namespace

TEST(XmlText, FixedNotationIsPrintfs)
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
}

TEST(XmlText, EscapingIsTinyXmls)
{
    std::mt19937_64 random(7);
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
