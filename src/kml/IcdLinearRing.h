#pragma once

#include "kml/XmlMessageObject.h"

#include <string>

// A closed ring of points. Element "LinearRing".
class OVCOORD_EXPORT CICD_LINEAR_RING : public CXmlMessageObject
{
public:
    static constexpr const char* kElement = "LinearRing";

    bool operator==(const CICD_LINEAR_RING& other) const;
    bool operator!=(const CICD_LINEAR_RING& other) const { return !(*this == other); }
    bool isEmpty() const override;
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, const char* name) override;
    // The content in write order (see KmlFields_p.h).
    template <class F> void fields(F& f);

    std::string coordinates;
};
