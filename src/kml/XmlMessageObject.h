#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/kml/SerTinyXml.h"

#include <map>
#include <string>

class CTinyXmlSerializer;

// Base of every object that reads and writes itself as XML through a CTinyXmlSerializer. An
// object finds (reading) or creates (writing) its own element under its parent, then reads or
// writes its content there.
class OVCOORD_EXPORT CXmlMessageObject
{
public:
    // COUNTCHILDREN: whether nextChildIndex counts occurrences of child names (see there).
    explicit CXmlMessageObject(bool countChildren = true);
    // Copies only what the object is, not where a read is (counters and index start afresh).
    CXmlMessageObject(const CXmlMessageObject& other) noexcept;
    // Leaves this object's counters, index and flags as they are.
    CXmlMessageObject& operator=(const CXmlMessageObject& other) noexcept;
    virtual ~CXmlMessageObject();

    // Whether the object holds nothing worth writing; false here.
    virtual bool isEmpty() const;
    // Finds or creates the own element under PARENT through serializeChild, reads or writes the
    // content and calls afterContent. Answers the element, or null on failure. A null PARENT
    // stands for the document (the object is the root element).
    virtual SerTinyXml::TiXmlElement* serialize(
        CTinyXmlSerializer* serializer, SerTinyXml::TiXmlElement* parent, const char* name)
        = 0;
    // Called by serializeChild once the own ELEMENT exists; false fails the serialisation.
    virtual bool beforeContent(CTinyXmlSerializer* serializer, SerTinyXml::TiXmlElement* parent,
        SerTinyXml::TiXmlElement* element, const char* name);
    // Called at the end of serialize; false makes serialize answer null.
    virtual bool afterContent(CTinyXmlSerializer* serializer, SerTinyXml::TiXmlElement* parent,
        SerTinyXml::TiXmlElement* element, const char* name);

    // Which occurrence of child NAME to read next: index() when counting is off, 0 when the
    // object does not count children, else 0 for a new name and afterwards the counter, first
    // increased by one when INCREMENT is true.
    int nextChildIndex(const std::string& name, bool increment);
    // The own element: NAME "#" is PARENT itself; otherwise created under PARENT when writing,
    // or when reading the index()-th child element NAME of PARENT (of the document for a null
    // PARENT). Null when not found, for a null serialiser or name, or when beforeContent
    // refuses.
    SerTinyXml::TiXmlElement* serializeChild(
        CTinyXmlSerializer* serializer, SerTinyXml::TiXmlElement* parent, const char* name);

    // Which occurrence of its element name this object reads (0 = the first).
    int index() const;
    void setIndex(int index);
    bool countsChildren() const;
    bool counting() const;
    void setCounting(bool counting);
    // The end of every serialize: clears the child counters (when counting children) and calls
    // afterContent. Answers ELEMENT when CONTENTOK is true and afterContent agrees, else null.
    SerTinyXml::TiXmlElement* finishContent(CTinyXmlSerializer* serializer,
        SerTinyXml::TiXmlElement* parent, SerTinyXml::TiXmlElement* element, const char* name,
        bool contentOk);

private:
    std::map<std::string, int> m_childCounters;
    int m_index = 0;
    bool m_countChildren;
    bool m_counting = true;
};
