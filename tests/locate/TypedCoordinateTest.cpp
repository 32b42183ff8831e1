#include "OvCoordSystem/locate/TypedCoordinate_p.h"

#include <gtest/gtest.h>

// The validator's decimal texts stop at 10 decimals, so the cap is checked on its own.
TEST(TypedCoordinate, PrecisionIsCappedAtTwelve)
{
    EXPECT_EQ(TypedPrecision(QStringLiteral("116.1234567890123")), 12);
    EXPECT_EQ(TypedPrecision(QStringLiteral("116.")), 0);
    EXPECT_EQ(TypedPrecision(QStringLiteral("1.2.3")), 6);
}
