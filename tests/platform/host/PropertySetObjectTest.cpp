#include "OvCoordSystem/host/export/PropertySetObject.h"
#include "OvCoordSystem/host/export/ExportTypeReference.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(PropertySetObject, KeepsFirstSetOrderAndReplacesInPlace)
{
    CPropertySetObject properties;
    properties.SetProperty("b", 1);
    properties.SetProperty("a", QStringLiteral("text"));
    properties.SetProperty("b", true);
    EXPECT_EQ(properties.GetPropertyNames(), std::vector<std::string>({ "b", "a" }));
    EXPECT_EQ(properties.GetProperty("b"), QVariant(true));
    EXPECT_EQ(properties.GetProperty("a").toString(), "text");
    EXPECT_FALSE(properties.GetProperty("c").isValid());
    EXPECT_FALSE(properties.HasProperty("c"));
    properties.Clear();
    EXPECT_EQ(properties.Count(), 0);
    EXPECT_FALSE(properties.HasProperty("b"));
}

TEST(ExportTypeReference, EveryLayoutHasItsOwnSaver)
{
    const EXPORTTYPE layouts[]
        = { EXPORT_QUARRY_TILES, EXPORT_ARCGIS_TILES, EXPORT_CUSTOM_TILES, EXPORT_ORIGINAL_TILES,
              EXPORT_CES_TILES, EXPORT_WORLDWIND_TILES, EXPORT_STANDARD_TMS_TILES };
    std::set<std::string> names;
    for (const EXPORTTYPE layout : layouts)
        names.insert(GetExportTypeReference(layout));
    EXPECT_EQ(names.size(), 7u);
    EXPECT_EQ(names.count(std::string()), 0u);
    EXPECT_TRUE(GetExportTypeReference(static_cast<EXPORTTYPE>(5)).empty());
}

} // namespace
