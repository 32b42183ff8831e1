// Geometries.
#include "OvCoordSystem/kml/IcdGxTrack.h"
#include "OvCoordSystem/kml/IcdLineString.h"
#include "OvCoordSystem/kml/IcdLinearRing.h"
#include "OvCoordSystem/kml/IcdMultiGeometry.h"
#include "OvCoordSystem/kml/IcdOuterBoundaryIs.h"
#include "OvCoordSystem/kml/IcdPoint.h"
#include "OvCoordSystem/kml/IcdPolygon.h"

#include "OvCoordSystem/kml/KmlFields_p.h"

template <class F> void CICD_POINT::fields(F& f)
{
    f.text("coordinates", coordinates);
    f.text("gx:drawOrder", drawOrder, 1);
}

bool CICD_POINT::isEmpty() const
{
    return coordinates.empty() && drawOrder == 1;
}

OV_KML_ELEMENT_MEMBERS(CICD_POINT)

template <class F> void CICD_LINE_STRING::fields(F& f)
{
    f.text("tessellate", tessellate, 1);
    f.text("coordinates", coordinates);
}

bool CICD_LINE_STRING::isEmpty() const
{
    return tessellate == 1 && coordinates.empty();
}

OV_KML_ELEMENT_MEMBERS(CICD_LINE_STRING)

template <class F> void CICD_LINEAR_RING::fields(F& f)
{
    f.text("coordinates", coordinates);
}

bool CICD_LINEAR_RING::isEmpty() const
{
    return coordinates.empty();
}

OV_KML_ELEMENT_MEMBERS(CICD_LINEAR_RING)

template <class F> void CICD_OUTER_BOUNDARY_IS::fields(F& f)
{
    f.child(linearRing);
}

bool CICD_OUTER_BOUNDARY_IS::isEmpty() const
{
    return linearRing.isEmpty();
}

OV_KML_ELEMENT_MEMBERS(CICD_OUTER_BOUNDARY_IS)

template <class F> void CICD_POLYGON::fields(F& f)
{
    f.text("tessellate", tessellate, 1);
    f.child(outerBoundaryIs);
}

bool CICD_POLYGON::isEmpty() const
{
    return tessellate == 1 && outerBoundaryIs.isEmpty();
}

OV_KML_ELEMENT_MEMBERS(CICD_POLYGON)

template <class F> void ICD_MULTIGEOMETRY::fields(F& f)
{
    f.list("LineString", lineStrings);
    f.list("Point", points);
    f.list("Polygon", polygons);
}

bool ICD_MULTIGEOMETRY::isEmpty() const
{
    return lineStrings.empty() && points.empty() && polygons.empty();
}

OV_KML_ELEMENT_MEMBERS(ICD_MULTIGEOMETRY)

template <class F> void CICD_GX_TRACK::fields(F& f)
{
    f.textList("gx:coord", coords);
}

bool CICD_GX_TRACK::isEmpty() const
{
    return coords.empty();
}

OV_KML_ELEMENT_MEMBERS(CICD_GX_TRACK)
