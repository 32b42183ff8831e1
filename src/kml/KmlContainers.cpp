// Documents, folders, placemarks and network links.
#include "OvCoordSystem/kml/IcdDocument.h"
#include "OvCoordSystem/kml/IcdFolder.h"
#include "OvCoordSystem/kml/IcdKml.h"
#include "OvCoordSystem/kml/IcdLink.h"
#include "OvCoordSystem/kml/IcdNetworkLink.h"
#include "OvCoordSystem/kml/IcdPlacemark.h"

#include "OvCoordSystem/kml/KmlFields_p.h"

template <class F> void CICD_KML::fields(F& f)
{
    f.attr("xmlns", xmlns);
    f.attr("xmlns:gx", xmlnsGx);
    f.attr("xmlns:kml", xmlnsKml);
    f.attr("xmlns:atom", xmlnsAtom);
    f.list("Document", documents);
    f.list("Folder", folders);
    f.list("Placemark", placemarks);
}

bool CICD_KML::isEmpty() const
{
    return xmlns.empty() && xmlnsGx.empty() && xmlnsKml.empty() && xmlnsAtom.empty()
        && kmlfields::allEmpty(documents) && kmlfields::allEmpty(folders)
        && kmlfields::allEmpty(placemarks);
}

OV_KML_ELEMENT_MEMBERS(CICD_KML)

template <class F> void CICD_DOCUMENT::fields(F& f)
{
    f.text("name", name);
    f.text("visibility", visibility, 1);
    f.text("open", open, 0);
    f.list("Placemark", placemarks);
    f.list("NetworkLink", networkLinks);
    f.list("Folder", folders);
    f.list("Style", styles);
    f.list("StyleMap", styleMaps);
    f.list("Document", documents);
}

CICD_DOCUMENT::CICD_DOCUMENT() = default;
CICD_DOCUMENT::CICD_DOCUMENT(const CICD_DOCUMENT&) = default;
CICD_DOCUMENT::CICD_DOCUMENT(CICD_DOCUMENT&&) noexcept = default;
CICD_DOCUMENT& CICD_DOCUMENT::operator=(const CICD_DOCUMENT&) = default;
CICD_DOCUMENT& CICD_DOCUMENT::operator=(CICD_DOCUMENT&&) noexcept = default;
CICD_DOCUMENT::~CICD_DOCUMENT() = default;

OV_KML_ELEMENT_MEMBERS(CICD_DOCUMENT)

template <class F> void CICD_FOLDER::fields(F& f)
{
    f.text("name", name);
    f.text("name", secondName);
    f.text("visibility", visibility, 1);
    f.text("open", open, 0);
    f.list("Placemark", placemarks);
    f.list("Document", documents);
    f.list("Folder", folders);
    f.list("Style", styles);
    f.list("StyleMap", styleMaps);
    f.list("GroundOverlay", groundOverlays);
}

CICD_FOLDER::CICD_FOLDER() = default;
CICD_FOLDER::CICD_FOLDER(const CICD_FOLDER&) = default;
CICD_FOLDER::CICD_FOLDER(CICD_FOLDER&&) noexcept = default;
CICD_FOLDER& CICD_FOLDER::operator=(const CICD_FOLDER&) = default;
CICD_FOLDER& CICD_FOLDER::operator=(CICD_FOLDER&&) noexcept = default;
CICD_FOLDER::~CICD_FOLDER() = default;

OV_KML_ELEMENT_MEMBERS(CICD_FOLDER)

template <class F> void CICD_PLACEMARK::fields(F& f)
{
    f.text("name", name);
    f.text("visibility", visibility, 1);
    f.text("description", description);
    f.text("styleUrl", styleUrl);
    f.child(point);
    f.child(lookAt);
    f.child(lineString);
    f.child(polygon);
    f.child(style);
    f.child(multiGeometry);
    f.child(track);
}

bool CICD_PLACEMARK::isEmpty() const
{
    return name.empty() && description.empty() && visibility == 1 && point.isEmpty()
        && lookAt.isEmpty() && lineString.isEmpty() && polygon.isEmpty() && style.isEmpty()
        && multiGeometry.isEmpty() && track.isEmpty();
}

OV_KML_ELEMENT_MEMBERS(CICD_PLACEMARK)

template <class F> void CICD_NETWORKLINK::fields(F& f)
{
    f.text("name", name);
    f.text("description", description);
    f.child(link);
}

bool CICD_NETWORKLINK::isEmpty() const
{
    return name.empty() && description.empty() && link.isEmpty();
}

OV_KML_ELEMENT_MEMBERS(CICD_NETWORKLINK)

template <class F> void CICD_LINK::fields(F& f)
{
    f.text("href", href);
}

bool CICD_LINK::isEmpty() const
{
    return href.empty();
}

OV_KML_ELEMENT_MEMBERS(CICD_LINK)
