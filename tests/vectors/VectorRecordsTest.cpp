#include "OvCoordSystem/vectors/FeatureStyleData.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"

#include <QUuid>

#include <gtest/gtest.h>

#include <functional>
#include <iterator>

TEST(VectorRecords, NewLayersGetTheirOwnIdentityAndStylesDifferInAnyField)
{
    const VectorLayerData first;
    const VectorLayerData second;
    EXPECT_TRUE(!QUuid(first.id).isNull() && first.id != second.id) << first.id.toStdString();

    // The style cache compares whole records: a change to any one field makes them differ.
    const std::function<void(FeatureStyleData&)> changes[] = {
        [](FeatureStyleData& s) { s.penColor = Qt::red; },
        [](FeatureStyleData& s) { s.fillColor = Qt::red; },
        [](FeatureStyleData& s) { s.fillColor2 = Qt::red; },
        [](FeatureStyleData& s) { s.text = QStringLiteral("t"); },
        [](FeatureStyleData& s) { s.labelFont.setPointSize(31); },
        [](FeatureStyleData& s) { s.labelSwitch = 1; },
        [](FeatureStyleData& s) { s.labelColor = Qt::red; },
        [](FeatureStyleData& s) { s.outlineSwitch = 1; },
        [](FeatureStyleData& s) { s.labelOutlineColor = Qt::red; },
        [](FeatureStyleData& s) { s.text2 = QStringLiteral("t"); },
        [](FeatureStyleData& s) { s.iconColor = Qt::red; },
        [](FeatureStyleData& s) { s.flag1 = true; },
        [](FeatureStyleData& s) { s.flag2 = true; },
        [](FeatureStyleData& s) { s.scale = 2.0f; },
        [](FeatureStyleData& s) { s.penWidth = 2.0f; },
    };
    const FeatureStyleData plain;
    EXPECT_EQ(plain, FeatureStyleData());
    for (size_t i = 0; i < std::size(changes); ++i) {
        FeatureStyleData changed;
        changes[i](changed);
        EXPECT_NE(changed, plain) << "field " << i;
    }
}
