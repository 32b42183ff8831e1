#include "OvCoordSystem/kml/XmlFileStream.h"

#include "OvCoordSystem/kml/SerTinyXml_p.h"
#include "OvCoordSystem/kml/TinyXmlSerializer.h"
#include "OvCoordSystem/kml/XmlParse_p.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr size_t kByteOrderMarkSize = 3;

std::string systemError()
{
    return std::strerror(errno);
}

bool readFile(const std::string& path, std::string& text, std::string& error)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = systemError();
        return false;
    }
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    const bool ok = !std::ferror(file);
    if (!ok) error = systemError();
    std::fclose(file);
    return ok;
}

// Line breaks become "\n" as XML asks (and as TinyXML's own file loading does).
void normalizeLineBreaks(std::string& text)
{
    size_t out = 0;
    for (size_t in = 0; in < text.size(); ++in) {
        if (text[in] == '\r') {
            text[out++] = '\n';
            if (in + 1 < text.size() && text[in + 1] == '\n') ++in;
        } else {
            text[out++] = text[in];
        }
    }
    text.resize(out);
}

} // namespace

CXmlFileStream::CXmlFileStream(const std::string& path)
    : m_path(path)
{ }

const std::string& CXmlFileStream::path() const
{
    return m_path;
}

void CXmlFileStream::setPath(const std::string& path)
{
    m_path = path;
}

bool CXmlFileStream::byteOrderMark() const
{
    return m_byteOrderMark;
}

void CXmlFileStream::setByteOrderMark(bool byteOrderMark)
{
    m_byteOrderMark = byteOrderMark;
}

bool CXmlFileStream::writeDocument(CTinyXmlSerializer* serializer)
{
    if (!serializer || !serializer->document()) return false;
    if (m_path.empty()) {
        setErrorString("no file path");
        return false;
    }
    FILE* file = std::fopen(m_path.c_str(), "w");
    if (!file) {
        setErrorString(systemError());
        return false;
    }
    bool ok = true;
    if (m_byteOrderMark && encoding() == EncodingUtf8)
        ok = std::fwrite(kByteOrderMark, 1, kByteOrderMarkSize, file) == kByteOrderMarkSize;
    ok = ok && serializer->document()->SaveFile(file);
    // A failed write in the middle (a full disk) shows in the error flag; the close only
    // reports what it still had to flush.
    ok = std::fflush(file) == 0 && !std::ferror(file) && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) setErrorString("write error");
    return ok;
}

bool CXmlFileStream::readDocument(CTinyXmlSerializer* serializer)
{
    if (!serializer || !serializer->document()) return false;
    if (m_path.empty()) {
        setErrorString("no file path");
        return false;
    }
    std::string text;
    std::string error;
    if (!readFile(m_path, text, error)) {
        setErrorString(error);
        return false;
    }
    if (encoding() == EncodingUtf8)
        m_byteOrderMark = text.compare(0, kByteOrderMarkSize, kByteOrderMark) == 0;
    normalizeLineBreaks(text);
    if (!parseXmlText(*serializer->document(), text, encoding(), error)) {
        setErrorString(error);
        return false;
    }
    serializer->setRoot(serializer->document()->RootElement());
    return true;
}
