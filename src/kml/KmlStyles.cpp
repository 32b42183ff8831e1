// Styles.
#include "OvCoordSystem/kml/IcdHotSpot.h"
#include "OvCoordSystem/kml/IcdIcon.h"
#include "OvCoordSystem/kml/IcdIconStyle.h"
#include "OvCoordSystem/kml/IcdItemIcon.h"
#include "OvCoordSystem/kml/IcdLabelStyle.h"
#include "OvCoordSystem/kml/IcdLineStyle.h"
#include "OvCoordSystem/kml/IcdListStyle.h"
#include "OvCoordSystem/kml/IcdPair.h"
#include "OvCoordSystem/kml/IcdPolyStyle.h"
#include "OvCoordSystem/kml/IcdStyle.h"
#include "OvCoordSystem/kml/IcdStyleMap.h"

#include "OvCoordSystem/kml/KmlFields_p.h"

namespace {
// Scales below this count as unset.
constexpr float kNoScale = 0.001f;
} // namespace

template <class F> void CICD_STYLE::fields(F& f)
{
    f.attr("id", id);
    f.child(iconStyle);
    f.child(listStyle);
    f.child(lineStyle);
    f.child(polyStyle);
    f.child(labelStyle);
}

bool CICD_STYLE::isEmpty() const
{
    return id.empty() && iconStyle.isEmpty() && listStyle.isEmpty() && lineStyle.isEmpty()
        && polyStyle.isEmpty() && labelStyle.isEmpty();
}

OV_KML_ELEMENT_MEMBERS(CICD_STYLE)

template <class F> void CICD_STYLE_MAP::fields(F& f)
{
    f.attr("id", id);
    f.list("Pair", pairs);
}

bool CICD_STYLE_MAP::isEmpty() const
{
    return id.empty() && kmlfields::allEmpty(pairs);
}

OV_KML_ELEMENT_MEMBERS(CICD_STYLE_MAP)

template <class F> void CICD_PAIR::fields(F& f)
{
    f.text("key", key);
    f.text("styleUrl", styleUrl);
}

bool CICD_PAIR::isEmpty() const
{
    return key.empty() && styleUrl.empty();
}

OV_KML_ELEMENT_MEMBERS(CICD_PAIR)

template <class F> void CICD_ICON_STYLE::fields(F& f)
{
    f.text("color", color);
    f.text("scale", scale, 0.0f);
    f.child(icon);
    f.child(hotSpot);
}

bool CICD_ICON_STYLE::isEmpty() const
{
    return color.empty() && scale < kNoScale && icon.isEmpty() && hotSpot.isEmpty();
}

OV_KML_ELEMENT_MEMBERS(CICD_ICON_STYLE)

template <class F> void CICD_ICON::fields(F& f)
{
    f.text("href", href);
    f.text("viewBoundScale", viewBoundScale, 0.0f);
}

bool CICD_ICON::isEmpty() const
{
    return href.empty() && viewBoundScale == 0.0f;
}

OV_KML_ELEMENT_MEMBERS(CICD_ICON)

template <class F> void CICD_HOT_SPOT::fields(F& f)
{
    f.attr("x", x, 0.0);
    f.attr("y", y, 0.0);
    f.attr("xunits", xunits);
    f.attr("yunits", yunits);
}

bool CICD_HOT_SPOT::isEmpty() const
{
    return x == 0.0 && y == 0.0 && xunits.empty() && yunits.empty();
}

OV_KML_ELEMENT_MEMBERS(CICD_HOT_SPOT)

template <class F> void CICD_LIST_STYLE::fields(F& f)
{
    f.text("bgColor", bgColor);
    f.child(itemIcon);
}

bool CICD_LIST_STYLE::isEmpty() const
{
    return bgColor.empty() && itemIcon.isEmpty();
}

OV_KML_ELEMENT_MEMBERS(CICD_LIST_STYLE)

template <class F> void CICD_ITEM_ICON::fields(F& f)
{
    f.text("href", href);
}

bool CICD_ITEM_ICON::isEmpty() const
{
    return href.empty();
}

OV_KML_ELEMENT_MEMBERS(CICD_ITEM_ICON)

template <class F> void CICD_LINE_STYLE::fields(F& f)
{
    f.text("color", color);
    f.text("width", width, 1.0f);
}

bool CICD_LINE_STYLE::isEmpty() const
{
    return color.empty() && width == 1.0f;
}

OV_KML_ELEMENT_MEMBERS(CICD_LINE_STYLE)

template <class F> void CICD_POLY_STYLE::fields(F& f)
{
    f.text("color", color);
    f.text("fill", fill, 1);
}

bool CICD_POLY_STYLE::isEmpty() const
{
    return color.empty() && fill == 1;
}

OV_KML_ELEMENT_MEMBERS(CICD_POLY_STYLE)

template <class F> void CICD_LABEL_STYLE::fields(F& f)
{
    f.text("color", color);
    f.text("scale", scale, 0.0f);
}

bool CICD_LABEL_STYLE::isEmpty() const
{
    return color.empty() && scale < kNoScale;
}

OV_KML_ELEMENT_MEMBERS(CICD_LABEL_STYLE)
