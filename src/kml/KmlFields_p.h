#pragma once

// The one description of how KML elements read and write themselves. Each model class lists its
// content once, in write order, in a member template `fields(F& f)`:
//
//     f.attr("id", id);                   // attribute, written when not empty
//     f.attr("x", x, 0.0);                // number attribute, written when not the default
//     f.text("name", name);               // text child, written when not empty
//     f.text("visibility", visibility, 1) // number child, written when not the default
//     f.child(point);                     // child object, written when not isEmpty()
//     f.list("Placemark", placemarks);    // every item, empty ones included
//     f.textList("gx:coord", coords);     // one text child per string
//
// Writer, Reader, Printing and the two equality visitors below interpret that list, so the write
// order, the read order, the defaults and equality cannot drift apart.

#include "OvCoordSystem/kml/KmlPrinter_p.h"
#include "OvCoordSystem/kml/SerTinyXml_p.h"
#include "OvCoordSystem/kml/TinyXmlSerializer.h"
#include "OvCoordSystem/kml/XmlMessageObject.h"
#include "OvCoordSystem/kml/XmlText_p.h"

#include <string>
#include <type_traits>
#include <vector>

namespace kmlfields {

// Keeps a default argument from taking part in template argument deduction.
template <class T> using Same = typename std::enable_if<true, T>::type;

inline bool readValue(const SerTinyXml::TiXmlElement* element, int& value)
{
    return CTinyXmlSerializer::readInt(element, value);
}

inline bool readValue(const SerTinyXml::TiXmlElement* element, float& value)
{
    return CTinyXmlSerializer::readFloat(element, value);
}

inline bool readValue(const SerTinyXml::TiXmlElement* element, double& value)
{
    return CTinyXmlSerializer::readDouble(element, value);
}

inline bool readValue(const SerTinyXml::TiXmlElement* element, std::string& value)
{
    return CTinyXmlSerializer::readString(element, value);
}

// Whether VALUE may stand in the serialiser's document (see acceptsText); tells why when not.
inline bool acceptable(CTinyXmlSerializer* serializer, const char* name, const std::string& value)
{
    if (serializer->acceptsText(value)) return true;
    serializer->setError(std::string("the text of \"") + name + "\" is not valid UTF-8");
    return false;
}

template <class T> bool acceptable(CTinyXmlSerializer*, const char*, const T&)
{
    return true;
}

// Writes what differs from the defaults under the object's element.
class Writer
{
public:
    Writer(CTinyXmlSerializer* serializer, SerTinyXml::TiXmlElement* element)
        : m_serializer(serializer)
        , m_element(element)
    { }

    bool ok() const { return m_ok; }

    void attr(const char* name, std::string& value)
    {
        if (m_ok && !value.empty())
            m_ok = acceptable(m_serializer, name, value)
                && CTinyXmlSerializer::setAttribute(m_element, name, value);
    }

    void attr(const char* name, double& value, Same<double> byDefault)
    {
        if (m_ok && value != byDefault)
            m_ok = CTinyXmlSerializer::setDoubleAttribute(m_element, name, value);
    }

    void text(const char* name, std::string& value)
    {
        if (!value.empty()) writeText(name, value);
    }

    template <class T> void text(const char* name, T& value, Same<T> byDefault)
    {
        if (value != byDefault) writeText(name, value);
    }

    template <class T> void child(T& object)
    {
        if (m_ok && !object.isEmpty())
            m_ok = object.serialize(m_serializer, m_element, T::kElement) != nullptr;
    }

    template <class T> void list(const char* name, std::vector<T>& items)
    {
        for (T& item : items) {
            if (!m_ok) return;
            m_ok = item.serialize(m_serializer, m_element, name) != nullptr;
        }
    }

    void textList(const char* name, std::vector<std::string>& items)
    {
        for (std::string& item : items)
            writeText(name, item);
    }

private:
    template <class T> void writeText(const char* name, const T& value)
    {
        if (!m_ok || !(m_ok = acceptable(m_serializer, name, value))) return;
        SerTinyXml::TiXmlElement* element = m_serializer->createElement(m_element, name);
        m_ok = element != nullptr;
        if (m_ok) element->LinkEndChild(CTinyXmlSerializer::textNode(value));
    }

    CTinyXmlSerializer* m_serializer;
    SerTinyXml::TiXmlElement* m_element;
    bool m_ok = true;
};

// Prints what Writer would write, straight to a printer, without a TinyXML document.
class Printing
{
public:
    explicit Printing(CKmlPrinter& printer)
        : m_printer(printer)
    { }

    void attr(const char* name, std::string& value)
    {
        if (!value.empty()) m_printer.attribute(name, value);
    }

    void attr(const char* name, double& value, Same<double> byDefault)
    {
        if (value != byDefault) m_printer.attribute(name, xmltext::formatNumber(value));
    }

    void text(const char* name, std::string& value)
    {
        if (!value.empty()) m_printer.text(name, value);
    }

    template <class T> void text(const char* name, T& value, Same<T> byDefault)
    {
        if (value != byDefault) m_printer.text(name, xmltext::formatNumber(value));
    }

    template <class T> void child(T& object)
    {
        if (!object.isEmpty()) element(object, T::kElement);
    }

    template <class T> void list(const char* name, std::vector<T>& items)
    {
        for (T& item : items)
            element(item, name);
    }

    void textList(const char* name, std::vector<std::string>& items)
    {
        for (std::string& item : items)
            m_printer.text(name, item);
    }

private:
    template <class T> void element(T& object, const char* name)
    {
        m_printer.open(name);
        object.fields(*this);
        m_printer.close();
    }

    CKmlPrinter& m_printer;
};

// Opens HEAD's element and prints its content, leaving the element open.
template <class T> void printHead(CKmlPrinter& printer, T& head, const char* name)
{
    printer.open(name);
    Printing printing(printer);
    head.fields(printing);
}

// Reads every field from the object's element; what is missing gets its default.
class Reader
{
public:
    Reader(
        CXmlMessageObject& owner, CTinyXmlSerializer* serializer, SerTinyXml::TiXmlElement* element)
        : m_owner(owner)
        , m_serializer(serializer)
        , m_element(element)
    { }

    bool ok() const { return m_ok; }

    void attr(const char* name, std::string& value)
    {
        if (!CTinyXmlSerializer::getAttribute(m_element, name, value)) value.clear();
        accept(name, value);
    }

    void attr(const char* name, double& value, Same<double> byDefault)
    {
        if (!CTinyXmlSerializer::queryDoubleAttribute(m_element, name, value)) value = byDefault;
    }

    void text(const char* name, std::string& value) { text(name, value, std::string()); }

    template <class T> void text(const char* name, T& value, const Same<T>& byDefault)
    {
        if (!readValue(next(name), value)) value = byDefault;
        accept(name, value);
    }

    template <class T> void child(T& object)
    {
        if (!m_ok) return;
        object = T();
        object.setIndex(m_owner.nextChildIndex(T::kElement, true));
        // A missing child keeps its defaults; one that is there must read.
        if (!object.serialize(m_serializer, m_element, T::kElement)
            && exists(T::kElement, object.index()))
            m_ok = false;
    }

    template <class T> void list(const char* name, std::vector<T>& items)
    {
        items.clear();
        int count = 0;
        if (!m_ok || !m_serializer->findElementCount(m_element, "#", 0, name, "#", count)) return;
        items.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            items.emplace_back();
            items.back().setIndex(i);
            if (!items.back().serialize(m_serializer, m_element, name)) {
                m_ok = false;
                return;
            }
        }
    }

    void textList(const char* name, std::vector<std::string>& items)
    {
        items.clear();
        std::string value;
        for (int i = 0; readValue(m_serializer->findElement(m_element, name, i), value); ++i) {
            accept(name, value);
            items.push_back(value);
        }
    }

private:
    template <class T> void accept(const char* name, const T& value)
    {
        m_ok = m_ok && acceptable(m_serializer, name, value);
    }

    SerTinyXml::TiXmlElement* next(const char* name)
    {
        return m_serializer->findElement(m_element, name, m_owner.nextChildIndex(name, true));
    }

    bool exists(const char* name, int index) const
    {
        const SerTinyXml::TiXmlElement* element = m_element->FirstChildElement(name);
        for (int i = 0; element && i < index; ++i)
            element = element->NextSiblingElement(name);
        return element != nullptr;
    }

    CXmlMessageObject& m_owner;
    CTinyXmlSerializer* m_serializer;
    SerTinyXml::TiXmlElement* m_element;
    bool m_ok = true;
};

// Equality: the addresses of one object's fields, then a walk over the other's comparing each.
class FieldAddresses
{
public:
    template <class T> void attr(const char*, T& value, const Same<T>& = T())
    {
        m_addresses.push_back(&value);
    }
    template <class T> void text(const char*, T& value, const Same<T>& = T())
    {
        m_addresses.push_back(&value);
    }
    template <class T> void child(T& object) { m_addresses.push_back(&object); }
    template <class T> void list(const char*, T& items) { m_addresses.push_back(&items); }
    template <class T> void textList(const char*, T& items) { m_addresses.push_back(&items); }

    const std::vector<const void*>& addresses() const { return m_addresses; }

private:
    std::vector<const void*> m_addresses;
};

class FieldComparison
{
public:
    explicit FieldComparison(const std::vector<const void*>& other)
        : m_other(other)
    { }

    bool equal() const { return m_equal; }

    template <class T> void attr(const char*, T& value, const Same<T>& = T()) { compare(value); }
    template <class T> void text(const char*, T& value, const Same<T>& = T()) { compare(value); }
    template <class T> void child(T& object) { compare(object); }
    template <class T> void list(const char*, T& items) { compare(items); }
    template <class T> void textList(const char*, T& items) { compare(items); }

private:
    template <class T> void compare(const T& value)
    {
        m_equal = m_equal && value == *static_cast<const T*>(m_other[m_next]);
        ++m_next;
    }

    const std::vector<const void*>& m_other;
    size_t m_next = 0;
    bool m_equal = true;
};

// Whether every item of a list is empty (true for an empty list).
template <class T> bool allEmpty(const std::vector<T>& items)
{
    for (const T& item : items) {
        if (!item.isEmpty()) return false;
    }
    return true;
}

template <class T>
SerTinyXml::TiXmlElement* serialize(
    T& object, CTinyXmlSerializer* serializer, SerTinyXml::TiXmlElement* parent, const char* name)
{
    const char* elementName = name && name[0] ? name : T::kElement;
    SerTinyXml::TiXmlElement* element = object.serializeChild(serializer, parent, elementName);
    if (!element) return nullptr;
    bool ok;
    if (serializer->isWriting()) {
        Writer writer(serializer, element);
        object.fields(writer);
        ok = writer.ok();
    } else {
        Reader reader(object, serializer, element);
        object.fields(reader);
        ok = reader.ok();
    }
    return object.finishContent(serializer, parent, element, elementName, ok);
}

// The visitors only read through the references fields() hands them.
template <class T> bool equal(const T& a, const T& b)
{
    FieldAddresses addresses;
    const_cast<T&>(b).fields(addresses);
    FieldComparison comparison(addresses.addresses());
    const_cast<T&>(a).fields(comparison);
    return comparison.equal();
}

} // namespace kmlfields

// The two members every model class shares, serialize() and operator==, both driven by fields();
// and fields() compiled for the streaming printer.
#define OV_KML_ELEMENT_MEMBERS(Class)                                                              \
    template void Class::fields<kmlfields::Printing>(kmlfields::Printing&);                        \
    SerTinyXml::TiXmlElement* Class::serialize(                                                    \
        CTinyXmlSerializer* serializer, SerTinyXml::TiXmlElement* parent, const char* name)        \
    {                                                                                              \
        return kmlfields::serialize(*this, serializer, parent, name);                              \
    }                                                                                              \
    bool Class::operator==(const Class& other) const                                               \
    {                                                                                              \
        return kmlfields::equal(*this, other);                                                     \
    }
