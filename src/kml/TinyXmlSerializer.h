#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/kml/SerTinyXml.h"

#include <memory>
#include <string>

class CXmlStream;
class CXmlStreamProgressCallback;

// Owns the XML document while one object tree is written or read (one per CXmlStream::load or
// save). Formats numbers itself, independent of the C locale: int "%d", float "%.6f", double
// "%.9f". Every operation answers false or null on a null argument.
class OVCOORD_EXPORT CTinyXmlSerializer
{
public:
    enum Mode
    {
        ModeWriting = 1,
        ModeReading = 2,
        ModeIdle = 3
    };

    CTinyXmlSerializer(int encoding, CXmlStreamProgressCallback* progress);
    // In writing mode, writes the document out through the stream first (see end()).
    ~CTinyXmlSerializer();
    CTinyXmlSerializer(const CTinyXmlSerializer&) = delete;
    CTinyXmlSerializer& operator=(const CTinyXmlSerializer&) = delete;

    // Starts writing (ModeWriting) or reading (ModeReading) with STREAM: makes an empty document;
    // when reading, has the stream read into it and counts its elements. False when the stream
    // could not read, or STREAM or MODE is invalid.
    bool begin(CXmlStream* stream, int mode);
    // Back to idle. In writing mode first writes the document through the stream; answers
    // whether that succeeded (true in the other modes).
    bool end();
    // Back to idle without writing anything.
    void abandon();

    bool isWriting() const;
    // Whether TEXT may stand in this document: any bytes in the legacy encoding, valid UTF-8 in
    // a UTF-8 document (anything else would make the written XML malformed).
    bool acceptsText(const std::string& text) const;
    // Why the content could not be read or written, for people; empty while all is well.
    const std::string& error() const;
    void setError(const std::string& error);
    int mode() const;
    int encoding() const;
    CXmlStream* stream() const;
    SerTinyXml::TiXmlDocument* document() const;
    SerTinyXml::TiXmlElement* root() const;
    void setRoot(SerTinyXml::TiXmlElement* root);
    SerTinyXml::TiXmlPrinter& printer();
    // Elements in the read document below the root; elements visited or created so far.
    int total() const;
    int done() const;

    // NAME empty or "#": PARENT itself. Otherwise a new element NAME appended to PARENT, or, with
    // a null PARENT, the declaration and then the root element NAME of the document.
    SerTinyXml::TiXmlElement* createElement(SerTinyXml::TiXmlElement* parent, const char* name);
    // The INDEX-th (0-based) child element of PARENT named NAME; null when there is none.
    SerTinyXml::TiXmlElement* findElement(
        SerTinyXml::TiXmlElement* parent, const char* name, int index);
    // Finds the element like findElement (NAME empty or "#" is PARENT itself), then sets COUNT:
    // to the integer attribute ATTRIBUTE when that is neither empty nor "#" (null when it is
    // missing or not a number), else to the number of its child elements named CHILDNAME (all
    // when CHILDNAME is null).
    SerTinyXml::TiXmlElement* findElementCount(SerTinyXml::TiXmlElement* parent, const char* name,
        int index, const char* childName, const char* attribute, int& count);

    // New, unlinked text nodes; numbers in the formats above.
    static SerTinyXml::TiXmlText* textNode(const std::string& value);
    static SerTinyXml::TiXmlText* textNode(int value);
    static SerTinyXml::TiXmlText* textNode(float value);
    static SerTinyXml::TiXmlText* textNode(double value);

    // The element's text as a number (leading number, 0 when there is none) or as is; false only
    // for a null element, when VALUE stays unchanged.
    static bool readInt(const SerTinyXml::TiXmlElement* element, int& value);
    static bool readFloat(const SerTinyXml::TiXmlElement* element, float& value);
    static bool readDouble(const SerTinyXml::TiXmlElement* element, double& value);
    static bool readString(const SerTinyXml::TiXmlElement* element, std::string& value);

    static bool setAttribute(
        SerTinyXml::TiXmlElement* element, const char* name, const std::string& value);
    static bool setIntAttribute(SerTinyXml::TiXmlElement* element, const char* name, int value);
    static bool setDoubleAttribute(
        SerTinyXml::TiXmlElement* element, const char* name, double value);
    // False, VALUE unchanged, when the element, the name or the attribute is missing.
    static bool getAttribute(
        const SerTinyXml::TiXmlElement* element, const char* name, std::string& value);
    // False, VALUE unchanged, when the attribute is missing or does not start with a number.
    static bool queryDoubleAttribute(
        const SerTinyXml::TiXmlElement* element, const char* name, double& value);

private:
    struct Private;

    void advance();
    void releaseDocument();

    SerTinyXml::TiXmlDocument* m_document = nullptr;
    SerTinyXml::TiXmlElement* m_root = nullptr;
    // The printer and where reading stands.
    std::unique_ptr<Private> d;
    CXmlStream* m_stream = nullptr;
    int m_mode = ModeIdle;
    CXmlStreamProgressCallback* m_progress = nullptr;
    int m_total = 0;
    int m_done = 0;
    int m_encoding = 0;
    std::string m_error;
};
