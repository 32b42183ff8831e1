#pragma once

#include "kml/IcdDocument.h"
#include "kml/IcdFolder.h"
#include "kml/IcdPlacemark.h"
#include "kml/XmlMessageObject.h"

#include <string>
#include <vector>

// The root of a KML document. Element "kml".
class OVCOORD_EXPORT CICD_KML : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "kml";

    bool operator==(const CICD_KML& other) const;
    bool operator!=(const CICD_KML& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string xmlns; // attribute "xmlns"
    std::string xmlnsGx; // attribute "xmlns:gx"
    std::string xmlnsKml; // attribute "xmlns:kml"
    std::string xmlnsAtom; // attribute "xmlns:atom"
    std::vector<CICD_DOCUMENT> documents; // "Document" elements
    std::vector<CICD_FOLDER> folders; // "Folder" elements
    std::vector<CICD_PLACEMARK> placemarks; // "Placemark" elements
};
