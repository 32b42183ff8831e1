#include "OvCoordSystem/kml/XmlStringStream.h"

#include "OvCoordSystem/kml/SerTinyXml_p.h"
#include "OvCoordSystem/kml/TinyXmlSerializer.h"
#include "OvCoordSystem/kml/XmlParse_p.h"

CXmlStringStream::CXmlStringStream(const std::string& text)
    : m_text(text)
{ }

const std::string& CXmlStringStream::text() const
{
    return m_text;
}

void CXmlStringStream::setText(const std::string& text)
{
    m_text = text;
}

bool CXmlStringStream::writeDocument(CTinyXmlSerializer* serializer)
{
    if (!serializer || !serializer->document()) return false;
    SerTinyXml::TiXmlPrinter& printer = serializer->printer();
    if (tabIndent()) printer.SetIndent("\t");
    serializer->document()->Accept(&printer);
    m_text = printer.Str();
    return true;
}

bool CXmlStringStream::readDocument(CTinyXmlSerializer* serializer)
{
    if (!serializer || !serializer->document()) return false;
    std::string error;
    if (!parseXmlText(*serializer->document(), m_text, encoding(), error)) {
        setErrorString(error);
        return false;
    }
    serializer->setRoot(serializer->document()->RootElement());
    return true;
}
