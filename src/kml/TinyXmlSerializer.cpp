#include "OvCoordSystem/kml/TinyXmlSerializer.h"

#include "OvCoordSystem/kml/SerTinyXml_p.h"
#include "OvCoordSystem/kml/XmlStream.h"
#include "OvCoordSystem/kml/XmlStreamProgressCallback.h"
#include "OvCoordSystem/kml/XmlText_p.h"

#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <vector>

using SerTinyXml::TiXmlDeclaration;
using SerTinyXml::TiXmlDocument;
using SerTinyXml::TiXmlElement;
using SerTinyXml::TiXmlNode;
using SerTinyXml::TiXmlText;

namespace {

// Numbers are written and read as in the C locale whatever locale the host application set
// (Qt sets the user's locale at start-up, and some use a decimal comma).
class CLocaleScope
{
public:
    CLocaleScope()
        : m_previous(uselocale(cLocale()))
    { }
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return locale;
    }
    locale_t m_previous;
};

// atoi and atof in the C locale: the leading number of TEXT, 0 when there is none.
int parseInt(const char* text, bool* parsed = nullptr)
{
    const CLocaleScope scope;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (parsed) *parsed = end != text;
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

double parseDouble(const char* text, bool* parsed = nullptr)
{
    const CLocaleScope scope;
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (parsed) *parsed = end != text;
    return value;
}

float parseFloat(const char* text)
{
    const CLocaleScope scope;
    return std::strtof(text, nullptr);
}

const char* elementText(const TiXmlElement* element)
{
    const char* text = element->GetText();
    return text ? text : "";
}

bool isSelfName(const char* name)
{
    return name[0] == '\0' || std::strcmp(name, "#") == 0;
}

// The element after E in document order below ROOT, or null after the last one.
const TiXmlElement* nextElement(const TiXmlElement* e, const TiXmlElement* root)
{
    if (const TiXmlElement* child = e->FirstChildElement()) return child;
    while (e != root) {
        if (const TiXmlElement* sibling = e->NextSiblingElement()) return sibling;
        e = e->Parent()->ToElement();
    }
    return nullptr;
}

int countElementsBelow(const TiXmlElement* root)
{
    int count = 0;
    for (const TiXmlElement* e = root->FirstChildElement(); e; e = nextElement(e, root))
        ++count;
    return count;
}

} // namespace

struct CTinyXmlSerializer::Private
{
    // Where the last findElement under a parent stopped, one per depth, so that reading the
    // items of a long list walks the siblings once instead of from the first each time.
    struct Cursor
    {
        const TiXmlElement* parent = nullptr;
        std::string name;
        int index = 0;
        TiXmlElement* element = nullptr;
    };

    SerTinyXml::TiXmlPrinter printer;
    std::vector<Cursor> cursors;
};

CTinyXmlSerializer::CTinyXmlSerializer(int encoding, CXmlStreamProgressCallback* progress)
    : d(new Private)
    , m_progress(progress)
    , m_encoding(encoding)
{
    d->printer.SetIndent("    ");
    d->printer.SetLineBreak("\n");
}

CTinyXmlSerializer::~CTinyXmlSerializer()
{
    end();
}

bool CTinyXmlSerializer::begin(CXmlStream* stream, int mode)
{
    if (!stream || (mode != ModeWriting && mode != ModeReading)) return false;
    releaseDocument();
    m_document = new TiXmlDocument;
    m_stream = stream;
    m_mode = mode;
    m_done = 0;
    m_total = 0;
    m_error.clear();
    if (mode == ModeReading) {
        if (!stream->readDocument(this)) {
            releaseDocument();
            m_mode = ModeIdle;
            return false;
        }
        if (!m_root) m_root = m_document->RootElement();
        if (!m_root) {
            releaseDocument();
            m_mode = ModeIdle;
            return false;
        }
        m_total = countElementsBelow(m_root);
    }
    if (m_progress) m_progress->onBegin(m_stream, m_total);
    return true;
}

bool CTinyXmlSerializer::end()
{
    bool ok = true;
    if (m_mode == ModeWriting && m_stream && m_document) ok = m_stream->writeDocument(this);
    releaseDocument();
    m_mode = ModeIdle;
    return ok;
}

void CTinyXmlSerializer::abandon()
{
    releaseDocument();
    m_mode = ModeIdle;
}

void CTinyXmlSerializer::releaseDocument()
{
    delete m_document;
    m_document = nullptr;
    m_root = nullptr;
    d->cursors.clear();
}

bool CTinyXmlSerializer::isWriting() const
{
    return m_mode == ModeWriting;
}

bool CTinyXmlSerializer::acceptsText(const std::string& text) const
{
    return m_encoding != CXmlStream::EncodingUtf8 || xmltext::isUtf8(text);
}

const std::string& CTinyXmlSerializer::error() const
{
    return m_error;
}

void CTinyXmlSerializer::setError(const std::string& error)
{
    m_error = error;
}

int CTinyXmlSerializer::mode() const
{
    return m_mode;
}

int CTinyXmlSerializer::encoding() const
{
    return m_encoding;
}

CXmlStream* CTinyXmlSerializer::stream() const
{
    return m_stream;
}

TiXmlDocument* CTinyXmlSerializer::document() const
{
    return m_document;
}

TiXmlElement* CTinyXmlSerializer::root() const
{
    return m_root;
}

void CTinyXmlSerializer::setRoot(TiXmlElement* root)
{
    m_root = root;
}

SerTinyXml::TiXmlPrinter& CTinyXmlSerializer::printer()
{
    return d->printer;
}

int CTinyXmlSerializer::total() const
{
    return m_total;
}

int CTinyXmlSerializer::done() const
{
    return m_done;
}

void CTinyXmlSerializer::advance()
{
    ++m_done;
    if (m_progress) m_progress->onProgress(m_stream, m_done, m_total);
}

TiXmlElement* CTinyXmlSerializer::createElement(TiXmlElement* parent, const char* name)
{
    if (!name) return nullptr;
    if (isSelfName(name)) return parent;
    if (parent) {
        TiXmlElement* element = new TiXmlElement(name);
        parent->LinkEndChild(element);
        advance();
        return element;
    }
    // A document has one root.
    if (!m_document || m_root) return nullptr;
    const char* declared = m_encoding == CXmlStream::EncodingUtf8 ? "UTF-8" : "gb2312";
    m_document->LinkEndChild(new TiXmlDeclaration("1.0", declared, ""));
    m_root = new TiXmlElement(name);
    m_document->LinkEndChild(m_root);
    return m_root;
}

TiXmlElement* CTinyXmlSerializer::findElement(TiXmlElement* parent, const char* name, int index)
{
    if (!parent || !name || index < 0) return nullptr;
    size_t depth = 0;
    for (const TiXmlNode* node = parent->Parent(); node; node = node->Parent())
        ++depth;
    if (d->cursors.size() <= depth) d->cursors.resize(depth + 1);
    Private::Cursor& cursor = d->cursors[depth];

    TiXmlElement* element;
    int at;
    if (cursor.parent == parent && cursor.element && cursor.index <= index && cursor.name == name) {
        element = cursor.element;
        at = cursor.index;
    } else {
        element = parent->FirstChildElement(name);
        at = 0;
    }
    for (; element && at < index; ++at)
        element = element->NextSiblingElement(name);
    if (!element) return nullptr;
    cursor.parent = parent;
    cursor.name = name;
    cursor.index = index;
    cursor.element = element;
    advance();
    return element;
}

TiXmlElement* CTinyXmlSerializer::findElementCount(TiXmlElement* parent, const char* name,
    int index, const char* childName, const char* attribute, int& count)
{
    if (!parent || !name || !attribute || index < 0) return nullptr;
    TiXmlElement* element = isSelfName(name) ? parent : findElement(parent, name, index);
    if (!element) return nullptr;
    if (!isSelfName(attribute)) {
        const char* text = element->Attribute(attribute);
        bool parsed = false;
        const int value = text ? parseInt(text, &parsed) : 0;
        if (!parsed) return nullptr;
        count = value;
        return element;
    }
    int n = 0;
    for (const TiXmlElement* child
         = childName ? element->FirstChildElement(childName) : element->FirstChildElement();
         child;
         child = childName ? child->NextSiblingElement(childName) : child->NextSiblingElement())
        ++n;
    count = n;
    return element;
}

TiXmlText* CTinyXmlSerializer::textNode(const std::string& value)
{
    return new TiXmlText(value);
}

TiXmlText* CTinyXmlSerializer::textNode(int value)
{
    return new TiXmlText(xmltext::formatNumber(value));
}

TiXmlText* CTinyXmlSerializer::textNode(float value)
{
    return new TiXmlText(xmltext::formatNumber(value));
}

TiXmlText* CTinyXmlSerializer::textNode(double value)
{
    return new TiXmlText(xmltext::formatNumber(value));
}

bool CTinyXmlSerializer::readInt(const TiXmlElement* element, int& value)
{
    if (!element) return false;
    value = parseInt(elementText(element));
    return true;
}

bool CTinyXmlSerializer::readFloat(const TiXmlElement* element, float& value)
{
    if (!element) return false;
    value = parseFloat(elementText(element));
    return true;
}

bool CTinyXmlSerializer::readDouble(const TiXmlElement* element, double& value)
{
    if (!element) return false;
    value = parseDouble(elementText(element));
    return true;
}

bool CTinyXmlSerializer::readString(const TiXmlElement* element, std::string& value)
{
    if (!element) return false;
    value = elementText(element);
    return true;
}

bool CTinyXmlSerializer::setAttribute(
    TiXmlElement* element, const char* name, const std::string& value)
{
    if (!element || !name) return false;
    element->SetAttribute(name, value);
    return true;
}

bool CTinyXmlSerializer::setIntAttribute(TiXmlElement* element, const char* name, int value)
{
    return setAttribute(element, name, xmltext::formatNumber(value));
}

bool CTinyXmlSerializer::setDoubleAttribute(TiXmlElement* element, const char* name, double value)
{
    return setAttribute(element, name, xmltext::formatNumber(value));
}

bool CTinyXmlSerializer::getAttribute(
    const TiXmlElement* element, const char* name, std::string& value)
{
    if (!element || !name) return false;
    const char* text = element->Attribute(name);
    if (!text) return false;
    value = text;
    return true;
}

bool CTinyXmlSerializer::queryDoubleAttribute(
    const TiXmlElement* element, const char* name, double& value)
{
    std::string text;
    if (!getAttribute(element, name, text)) return false;
    bool parsed = false;
    const double parsedValue = parseDouble(text.c_str(), &parsed);
    if (parsed) value = parsedValue;
    return parsed;
}
