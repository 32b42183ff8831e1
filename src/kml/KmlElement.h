#pragma once

#include "OvCoordSystem/kml/XmlMessageObject.h"

// Declares what every KML element class shares, at the top of its body (like Q_OBJECT): its
// element name kElement, equality, serialize() and the member template fields(F&) that lists
// its content once, in write order, for writing, reading and equality alike. The definitions
// come from OV_KML_ELEMENT_MEMBERS in the class's source file.
#define OV_KML_ELEMENT(Class, element)                                                             \
public:                                                                                            \
    static constexpr const char* kElement = element;                                               \
    bool operator==(const Class& other) const;                                                     \
    bool operator!=(const Class& other) const                                                      \
    {                                                                                              \
        return !(*this == other);                                                                  \
    }                                                                                              \
    SerTinyXml::TiXmlElement* serialize(CTinyXmlSerializer* serializer,                            \
        SerTinyXml::TiXmlElement* parent, const char* name) override;                              \
    template <class F> void fields(F& f);
