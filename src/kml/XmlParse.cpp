#include "OvCoordSystem/kml/XmlParse_p.h"

#include "OvCoordSystem/kml/XmlStream.h"

#include <cstring>

namespace {

const char* skipPast(const char* p, const char* terminator)
{
    const char* found = std::strstr(p, terminator);
    return found ? found + std::strlen(terminator) : p + std::strlen(p);
}

bool startsWith(const char* p, const char* prefix)
{
    return std::strncmp(p, prefix, std::strlen(prefix)) == 0;
}

// Whether elements in TEXT nest at most LIMIT deep. Skips what TinyXML skips (comments, CDATA,
// declarations and other "<!" or "<?" markup) and quoted attribute values, and otherwise counts
// every start tag not closed by "/>", so it never counts less deeply than the parser recurses.
bool nestingWithin(const char* p, int limit)
{
    int depth = 0;
    while (*p) {
        if (*p != '<') {
            ++p;
        } else if (startsWith(p, "<!--")) {
            p = skipPast(p + 4, "-->");
        } else if (startsWith(p, "<![CDATA[")) {
            p = skipPast(p + 9, "]]>");
        } else if (p[1] == '?' || p[1] == '!') {
            p = skipPast(p + 2, ">");
        } else if (p[1] == '/') {
            if (depth > 0) --depth;
            p = skipPast(p + 2, ">");
        } else {
            char last = '<';
            for (++p; *p && *p != '>'; last = *p++) {
                if (*p == '"' || *p == '\'') {
                    const char* close = std::strchr(p + 1, *p);
                    p = close ? close : p + std::strlen(p);
                    if (!*p) break;
                }
            }
            if (!*p) break;
            if (last != '/' && ++depth > limit) return false;
            ++p;
        }
    }
    return true;
}

} // namespace

bool parseXmlText(
    SerTinyXml::TiXmlDocument& document, const std::string& text, int encoding, std::string& error)
{
    if (!nestingWithin(text.c_str(), kMaxXmlNesting)) {
        error = "elements nest deeper than " + std::to_string(kMaxXmlNesting) + " levels";
        return false;
    }
    document.Parse(text.c_str(), nullptr,
        encoding == CXmlStream::EncodingUtf8 ? SerTinyXml::kEncodingUtf8
                                             : SerTinyXml::kEncodingLegacy);
    if (document.Error()) {
        error = document.ErrorDesc();
        if (document.ErrorRow() > 0)
            error = "line " + std::to_string(document.ErrorRow()) + ", column "
                + std::to_string(document.ErrorCol()) + ": " + error;
        return false;
    }
    if (!document.RootElement()) {
        error = "no root element";
        return false;
    }
    return true;
}
