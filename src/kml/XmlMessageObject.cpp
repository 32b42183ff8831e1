#include "OvCoordSystem/kml/XmlMessageObject.h"

#include "OvCoordSystem/kml/SerTinyXml_p.h"
#include "OvCoordSystem/kml/TinyXmlSerializer.h"

using SerTinyXml::TiXmlElement;

CXmlMessageObject::CXmlMessageObject(bool countChildren)
    : m_countChildren(countChildren)
{ }

CXmlMessageObject::CXmlMessageObject(const CXmlMessageObject& other) noexcept
    : m_countChildren(other.m_countChildren)
    , m_counting(other.m_counting)
{ }

CXmlMessageObject& CXmlMessageObject::operator=(const CXmlMessageObject&) noexcept
{
    return *this;
}

CXmlMessageObject::~CXmlMessageObject() = default;

bool CXmlMessageObject::isEmpty() const
{
    return false;
}

bool CXmlMessageObject::beforeContent(
    CTinyXmlSerializer*, TiXmlElement*, TiXmlElement*, const char*)
{
    return true;
}

bool CXmlMessageObject::afterContent(CTinyXmlSerializer*, TiXmlElement*, TiXmlElement*, const char*)
{
    return true;
}

int CXmlMessageObject::nextChildIndex(const std::string& name, bool increment)
{
    if (!m_counting) return m_index;
    if (!m_countChildren) return 0;
    const auto found = m_childCounters.find(name);
    if (found == m_childCounters.end()) {
        m_childCounters.emplace(name, 0);
        return 0;
    }
    if (increment) ++found->second;
    return found->second;
}

TiXmlElement* CXmlMessageObject::serializeChild(
    CTinyXmlSerializer* serializer, TiXmlElement* parent, const char* name)
{
    if (!serializer || !name) return nullptr;
    TiXmlElement* element = nullptr;
    if (name[0] == '#' && name[1] == '\0') {
        element = parent;
    } else if (serializer->isWriting()) {
        element = serializer->createElement(parent, name);
    } else if (parent) {
        element = serializer->findElement(parent, name, m_index);
    } else if (serializer->document() && m_index >= 0) {
        // The root: the index-th top-level element NAME of the document.
        element = serializer->document()->FirstChildElement(name);
        for (int i = 0; element && i < m_index; ++i)
            element = element->NextSiblingElement(name);
    }
    if (!element || !beforeContent(serializer, parent, element, name)) return nullptr;
    return element;
}

int CXmlMessageObject::index() const
{
    return m_index;
}

void CXmlMessageObject::setIndex(int index)
{
    m_index = index;
}

bool CXmlMessageObject::countsChildren() const
{
    return m_countChildren;
}

bool CXmlMessageObject::counting() const
{
    return m_counting;
}

void CXmlMessageObject::setCounting(bool counting)
{
    m_counting = counting;
}

TiXmlElement* CXmlMessageObject::finishContent(CTinyXmlSerializer* serializer, TiXmlElement* parent,
    TiXmlElement* element, const char* name, bool contentOk)
{
    if (m_countChildren) m_childCounters.clear();
    if (!afterContent(serializer, parent, element, name) || !contentOk) return nullptr;
    return element;
}
