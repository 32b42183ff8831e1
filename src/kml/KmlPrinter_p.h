#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CICD_FOLDER;
class CICD_KML;
class CICD_PLACEMARK;

// Prints KML model objects exactly as TinyXML prints a saved document: the declaration, four
// spaces of indent per level, "<a />" for an element without content, "<a>text</a>" for one that
// holds only text, and the children of any other on lines of their own. It prints a piece at a
// time (an element is opened, filled and closed later), so that a writer can hand over each
// placemark as soon as it is built and never hold the whole document; the bytes go to the sink
// whenever the buffer fills, and at finish().
class CKmlPrinter
{
public:
    // Receives the next bytes of the document; false stops the printing as failed.
    using Sink = std::function<bool(const char* data, size_t size)>;

    // ENCODING as CXmlStream's: legacy (declared "gb2312") or UTF-8, in which every text must be
    // valid UTF-8.
    CKmlPrinter(int encoding, Sink sink);
    CKmlPrinter(const CKmlPrinter&) = delete;
    CKmlPrinter& operator=(const CKmlPrinter&) = delete;

    void declaration();
    // Opens the element NAME at the current level; its attributes must come before its content.
    void open(const char* name);
    void attribute(const char* name, const std::string& value);
    // A child element holding only VALUE.
    void text(const char* name, const std::string& value);
    void close();

    // HEAD's element with the content HEAD holds, left open for more children (its lists are
    // expected empty: what follows goes after everything HEAD wrote).
    void begin(CICD_KML& head);
    void begin(CICD_FOLDER& head);
    // The whole element of PLACEMARK.
    void write(CICD_PLACEMARK& placemark);

    // Hands the rest to the sink; false when anything failed.
    bool finish();
    bool ok() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    void fail(const std::string& error);

private:
    struct Open
    {
        const char* name;
        bool hasContent;
    };

    void startChild();
    void indent(size_t depth);
    bool accepts(const char* name, const std::string& value);
    void flushIfFull();

    int m_encoding;
    Sink m_sink;
    std::string m_buffer;
    std::vector<Open> m_open;
    std::string m_error;
};

// Prints a document into a new file at PATH (in the local 8-bit encoding): the declaration, then
// what BODY prints. A document that could not be written whole is removed; ERROR then tells why.
bool printKmlFile(const std::string& path, int encoding,
    const std::function<void(CKmlPrinter&)>& body, std::string& error);
