#pragma once

#include "OvCoordSystem/kml/XmlStream.h"

// XML in a string: save() prints the document into text(), load() parses text().
class OVCOORD_EXPORT CXmlStringStream : public CXmlStream
{
public:
    explicit CXmlStringStream(const std::string& text = std::string());

    const std::string& text() const;
    void setText(const std::string& text);

    bool writeDocument(CTinyXmlSerializer* serializer) override;
    bool readDocument(CTinyXmlSerializer* serializer) override;

private:
    std::string m_text;
};
