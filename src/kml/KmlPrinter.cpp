#include "OvCoordSystem/kml/KmlPrinter_p.h"

#include "OvCoordSystem/kml/IcdKml.h"
#include "OvCoordSystem/kml/KmlFields_p.h"
#include "OvCoordSystem/kml/XmlStream.h"
#include "OvCoordSystem/kml/XmlText_p.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {
// Bytes gathered before they go to the sink.
constexpr size_t kFlushSize = 1 << 20;
constexpr char kIndent[] = "    ";
constexpr size_t kIndentSize = 4;
const std::string kWriteError = "write error";
} // namespace

CKmlPrinter::CKmlPrinter(int encoding, Sink sink)
    : m_encoding(encoding)
    , m_sink(std::move(sink))
{
    m_buffer.reserve(kFlushSize + kFlushSize / 4);
}

void CKmlPrinter::declaration()
{
    m_buffer += m_encoding == CXmlStream::EncodingUtf8
        ? "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
        : "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\n";
}

void CKmlPrinter::startChild()
{
    if (m_open.empty()) return;
    if (!m_open.back().hasContent) {
        m_buffer += '>';
        m_open.back().hasContent = true;
    }
    m_buffer += '\n';
    indent(m_open.size());
}

void CKmlPrinter::indent(size_t depth)
{
    for (size_t i = 0; i < depth; ++i)
        m_buffer.append(kIndent, kIndentSize);
}

void CKmlPrinter::open(const char* name)
{
    startChild();
    m_buffer += '<';
    m_buffer += name;
    m_open.push_back({ name, false });
}

void CKmlPrinter::attribute(const char* name, const std::string& value)
{
    if (!accepts(name, value)) return;
    // A value holding a double quote is quoted with apostrophes instead.
    const char quote = value.find('"') == std::string::npos ? '"' : '\'';
    m_buffer += ' ';
    xmltext::appendEscaped(m_buffer, name, std::char_traits<char>::length(name));
    m_buffer += '=';
    m_buffer += quote;
    xmltext::appendEscaped(m_buffer, value.data(), value.size());
    m_buffer += quote;
}

void CKmlPrinter::text(const char* name, const std::string& value)
{
    if (!accepts(name, value)) return;
    startChild();
    m_buffer += '<';
    m_buffer += name;
    m_buffer += '>';
    // Long texts (the coordinates of a large polygon) go out in slices.
    for (size_t at = 0; at < value.size(); at += kFlushSize) {
        xmltext::appendEscaped(
            m_buffer, value.data() + at, std::min(kFlushSize, value.size() - at));
        flushIfFull();
    }
    m_buffer += "</";
    m_buffer += name;
    m_buffer += '>';
}

void CKmlPrinter::close()
{
    const Open element = m_open.back();
    m_open.pop_back();
    if (!element.hasContent) {
        m_buffer += " />";
    } else {
        m_buffer += '\n';
        indent(m_open.size());
        m_buffer += "</";
        m_buffer += element.name;
        m_buffer += '>';
    }
    // The document ends its root element's line.
    if (m_open.empty()) m_buffer += '\n';
    flushIfFull();
}

void CKmlPrinter::begin(CICD_KML& head)
{
    kmlfields::printHead(*this, head, CICD_KML::kElement);
}

void CKmlPrinter::begin(CICD_FOLDER& head)
{
    kmlfields::printHead(*this, head, CICD_FOLDER::kElement);
}

void CKmlPrinter::write(CICD_PLACEMARK& placemark)
{
    kmlfields::printHead(*this, placemark, CICD_PLACEMARK::kElement);
    close();
}

bool CKmlPrinter::accepts(const char* name, const std::string& value)
{
    if (!ok()) return false;
    if (m_encoding != CXmlStream::EncodingUtf8 || xmltext::isUtf8(value)) return true;
    fail(std::string("the text of \"") + name + "\" is not valid UTF-8");
    return false;
}

void CKmlPrinter::flushIfFull()
{
    if (m_buffer.size() < kFlushSize) return;
    if (ok() && !m_sink(m_buffer.data(), m_buffer.size())) fail(kWriteError);
    m_buffer.clear();
}

bool CKmlPrinter::finish()
{
    if (ok() && !m_buffer.empty() && !m_sink(m_buffer.data(), m_buffer.size())) fail(kWriteError);
    m_buffer.clear();
    return ok();
}

void CKmlPrinter::fail(const std::string& error)
{
    if (m_error.empty()) m_error = error;
}

bool printKmlFile(const std::string& path, int encoding,
    const std::function<void(CKmlPrinter&)>& body, std::string& error)
{
    FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "w");
    const std::string openError = path.empty() ? "no file path" : file ? "" : std::strerror(errno);
    // Without a file the body still runs (into a sink that refuses), so that a caller counting
    // its progress sees the same counts whether or not the file could be written.
    CKmlPrinter printer(encoding, [file](const char* data, size_t size) {
        return file && std::fwrite(data, 1, size, file) == size;
    });
    printer.declaration();
    body(printer);
    const bool printed = printer.finish();
    if (!file) {
        error = openError;
        return false;
    }
    // A failed write in the middle (a full disk) shows in the error flag; the close only reports
    // what it still had to flush.
    bool ok = std::fflush(file) == 0 && !std::ferror(file) && printed;
    ok = std::fclose(file) == 0 && ok;
    if (ok) return true;
    error = printer.error() == kWriteError || printer.ok() ? kWriteError : printer.error();
    // A document refused for its content is not left half written; a device or a file that
    // failed to take the bytes stays as it is.
    struct stat status;
    if (error != kWriteError && ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        std::remove(path.c_str());
    return false;
}
