#include "OvCoordSystem/kml/XmlStream.h"

#include "OvCoordSystem/kml/SerTinyXml_p.h"
#include "OvCoordSystem/kml/TinyXmlSerializer.h"
#include "OvCoordSystem/kml/XmlMessageObject.h"
#include "OvCoordSystem/kml/XmlStreamProgressCallback.h"

CXmlStream::CXmlStream() = default;

CXmlStream::~CXmlStream() = default;

void CXmlStream::setProgressCallback(CXmlStreamProgressCallback* progress)
{
    m_progress = progress;
}

bool CXmlStream::tabIndent() const
{
    return m_tabIndent;
}

void CXmlStream::setEncoding(int encoding)
{
    m_encoding = encoding;
}

int CXmlStream::encoding() const
{
    return m_encoding == EncodingUtf8 ? EncodingUtf8 : EncodingLegacy;
}

void CXmlStream::setTabIndent(bool tabIndent)
{
    m_tabIndent = tabIndent;
}

CXmlStreamProgressCallback* CXmlStream::progressCallback() const
{
    return m_progress;
}

bool CXmlStream::load(CXmlMessageObject* object)
{
    m_error.clear();
    if (!object) {
        m_error = "no object to read into";
        return false;
    }
    CTinyXmlSerializer serializer(encoding(), m_progress);
    if (!serializer.begin(this, CTinyXmlSerializer::ModeReading)) {
        if (m_error.empty()) m_error = "the XML could not be read";
        return false;
    }
    const std::string rootName = serializer.root()->ValueStr();
    if (!object->serialize(&serializer, nullptr, "")) {
        m_error = serializer.error().empty()
            ? "the document (root element <" + rootName + ">) does not hold the object"
            : serializer.error();
        return false;
    }
    if (m_progress) m_progress->onEnd(this);
    return true;
}

bool CXmlStream::save(CXmlMessageObject* object)
{
    m_error.clear();
    if (!object) {
        m_error = "no object to write";
        return false;
    }
    CTinyXmlSerializer serializer(encoding(), m_progress);
    serializer.begin(this, CTinyXmlSerializer::ModeWriting);
    if (!object->serialize(&serializer, nullptr, "")) {
        // Nothing is written for a tree that could not be written completely.
        serializer.abandon();
        m_error
            = serializer.error().empty() ? "the object could not be written" : serializer.error();
        return false;
    }
    if (m_progress) m_progress->onEnd(this);
    if (!serializer.end()) {
        if (m_error.empty()) m_error = "the XML could not be written";
        return false;
    }
    return true;
}

const std::string& CXmlStream::errorString() const
{
    return m_error;
}

void CXmlStream::setErrorString(const std::string& error)
{
    m_error = error;
}
