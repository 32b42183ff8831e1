// Views, overlays and regions.
#include "OvCoordSystem/kml/IcdGroundOverlay.h"
#include "OvCoordSystem/kml/IcdLatLonAltBox.h"
#include "OvCoordSystem/kml/IcdLatLonBox.h"
#include "OvCoordSystem/kml/IcdLod.h"
#include "OvCoordSystem/kml/IcdLookAt.h"
#include "OvCoordSystem/kml/IcdRegion.h"

#include "OvCoordSystem/kml/KmlFields_p.h"

template <class F> void CICD_LOOKAT::fields(F& f)
{
    f.text("longitude", longitude, 0.0);
    f.text("latitude", latitude, 0.0);
    f.text("altitude", altitude, 0.0);
    f.text("heading", heading, 0.0);
    f.text("tilt", tilt, 0.0);
    f.text("range", range, 0.0);
    f.text("gx:altitudeMode", altitudeMode);
}

bool CICD_LOOKAT::isEmpty() const
{
    return longitude == 0.0 && latitude == 0.0 && altitude == 0.0 && heading == 0.0 && tilt == 0.0
        && range == 0.0 && altitudeMode.empty();
}

OV_KML_ELEMENT_MEMBERS(CICD_LOOKAT)

template <class F> void CICD_GROUNDOVERLAY::fields(F& f)
{
    f.text("name", name);
    f.text("description", description);
    f.text("color", color);
    f.text("altitudeMode", altitudeMode);
    f.child(region);
    f.child(icon);
    f.child(latLonBox);
}

bool CICD_GROUNDOVERLAY::isEmpty() const
{
    return name.empty() && description.empty() && color.empty() && altitudeMode.empty()
        && region.isEmpty() && icon.isEmpty() && latLonBox.isEmpty();
}

OV_KML_ELEMENT_MEMBERS(CICD_GROUNDOVERLAY)

template <class F> void CICD_REGION::fields(F& f)
{
    f.child(latLonAltBox);
    f.child(lod);
}

bool CICD_REGION::isEmpty() const
{
    return latLonAltBox.isEmpty() && lod.isEmpty();
}

OV_KML_ELEMENT_MEMBERS(CICD_REGION)

template <class F> void CICD_LATLONBOX::fields(F& f)
{
    f.text("north", north, 0.0);
    f.text("south", south, 0.0);
    f.text("east", east, 0.0);
    f.text("west", west, 0.0);
    f.text("rotation", rotation, 0.0);
}

bool CICD_LATLONBOX::isEmpty() const
{
    return north == 0.0 && south == 0.0 && east == 0.0 && west == 0.0 && rotation == 0.0;
}

OV_KML_ELEMENT_MEMBERS(CICD_LATLONBOX)

template <class F> void CICD_LATLONALTBOX::fields(F& f)
{
    f.text("north", north, 0.0);
    f.text("south", south, 0.0);
    f.text("east", east, 0.0);
    f.text("west", west, 0.0);
    f.text("altitudeMode", altitudeMode);
}

bool CICD_LATLONALTBOX::isEmpty() const
{
    return north == 0.0 && south == 0.0 && east == 0.0 && west == 0.0 && altitudeMode.empty();
}

OV_KML_ELEMENT_MEMBERS(CICD_LATLONALTBOX)

template <class F> void CICD_LOD::fields(F& f)
{
    f.text("minLodPixels", minLodPixels, 0);
}

bool CICD_LOD::isEmpty() const
{
    return minLodPixels == 0;
}

OV_KML_ELEMENT_MEMBERS(CICD_LOD)
