#pragma once

#include "OvCoordSystem/host/annotation/FeatureStyle.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"

#include <QPolygonF>
#include <QString>

#include <string>

class CGeometryData;

// Zoom level at which ranges are shown.
constexpr int kRangeFocusLevel = 18;

// QMessageBox::Ok: the one button of the locator's message boxes.
constexpr int kOkButton = 1024;

// Text for the host's modules: GB18030 bytes.
std::string ToHostText(const QString& text);

// The first style of FEATURE of kind TYPE, as its class T; null when it has none.
template <class T> T* FirstStyle(IAnnotationFeature* feature, E_FEATURE_STYLE_TYPE type)
{
    for (CFeatureStyle* style : feature->GetStyles())
        if (style && style->GetStyleType() == type) return static_cast<T*>(style);
    return nullptr;
}

// A geometry part as a polygon: x and y of its points in order.
QPolygonF PartPolygon(const CGeometryData& part);
