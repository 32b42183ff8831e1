#include "OvCoordSystem/host/export/PropertySetObject.h"

#include <gtest/gtest.h>

TEST(PropertySetObject, KeepsFirstSetOrderAndReplacesInPlace)
{
    CPropertySetObject properties;
    properties.SetProperty("b", 1);
    properties.SetProperty("a", QStringLiteral("text"));
    properties.SetProperty("b", true);
    EXPECT_EQ(properties.GetPropertyNames(), std::vector<std::string>({ "b", "a" }));
    EXPECT_EQ(properties.GetProperty("b"), QVariant(true));
    EXPECT_FALSE(properties.GetProperty("c").isValid() || properties.HasProperty("c"));
    properties.Clear();
    EXPECT_FALSE(properties.HasProperty("b"));
}
