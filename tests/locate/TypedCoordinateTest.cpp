#include "OvCoordSystem/locate/TypedCoordinate_p.h"

#include <gtest/gtest.h>

// Each value keeps the decimals typed (at most 12); a value typed without a point gets 6.
TEST(TypedCoordinate, TitleKeepsTheTypedPrecision)
{
    const struct
    {
        const char* text;
        E_DEGREE_FOARMAT format;
        const char* title;
        double x;
        double y;
    } cases[] = {
        { "116.397,39.9", DEGREE_DECIMAL, "116.397,39.9", 116.397, 39.9 },
        { "116 40", DEGREE_DECIMAL, "116.000000,40.000000", 116.0, 40.0 },
        { "-116.5，-0.25", DEGREE_DECIMAL, "-116.5,-0.25", -116.5, -0.25 },
        { "120:30:00,30:15:00", DEGREE_COLONS, "120.5,30.25", 120.5, 30.25 },
    };
    for (const auto& c : cases) {
        TypedCoordinate point;
        ASSERT_TRUE(ReadTypedCoordinate(QString::fromUtf8(c.text), c.format, &point)) << c.text;
        EXPECT_EQ(point.title.toStdString(), c.title);
        EXPECT_DOUBLE_EQ(point.x, c.x) << c.text;
        EXPECT_DOUBLE_EQ(point.y, c.y) << c.text;
    }
}

// The validator's decimal texts stop at 10 decimals, so the cap is checked on its own.
TEST(TypedCoordinate, PrecisionIsCappedAtTwelve)
{
    EXPECT_EQ(TypedPrecision(QStringLiteral("116.1234567890123")), 12);
    EXPECT_EQ(TypedPrecision(QStringLiteral("116.")), 0);
    EXPECT_EQ(TypedPrecision(QStringLiteral("1.2.3")), 6);
}

TEST(TypedCoordinate, UnreadableTextLeavesThePointAlone)
{
    TypedCoordinate point;
    point.title = QStringLiteral("before");
    EXPECT_FALSE(ReadTypedCoordinate(QStringLiteral("181,40"), DEGREE_DECIMAL, &point));
    EXPECT_FALSE(ReadTypedCoordinate(QStringLiteral("116"), DEGREE_DECIMAL, &point));
    EXPECT_EQ(point.title, QLatin1String("before"));
}
