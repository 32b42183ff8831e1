#pragma once

#include "OvCoordSystem/OvGlobal.h"

#include <string>

class CTinyXmlSerializer;
class CXmlMessageObject;
class CXmlStreamProgressCallback;

// Where an object tree's XML lives: a file or a string. load() reads the XML into an object
// tree, save() writes the tree out; each call uses its own CTinyXmlSerializer.
class OVCOORD_EXPORT CXmlStream
{
public:
    enum Encoding
    {
        // Legacy 8-bit text (GB18030 bytes), declared as "gb2312".
        EncodingLegacy = 0,
        EncodingUtf8 = 1
    };

    CXmlStream();
    virtual ~CXmlStream();

    // Receives the progress of later loads and saves; not owned, may be null.
    virtual void setProgressCallback(CXmlStreamProgressCallback* progress);
    // Whether printed text indents with a tab instead of four spaces per level (string streams).
    virtual bool tabIndent() const;
    // Writes the serialiser's document out; false when that failed.
    virtual bool writeDocument(CTinyXmlSerializer* serializer) = 0;
    // Reads the XML into the serialiser's document and sets its root; false when the XML cannot
    // be read or has no root element.
    virtual bool readDocument(CTinyXmlSerializer* serializer) = 0;

    // EncodingLegacy or EncodingUtf8; any other value counts as legacy.
    void setEncoding(int encoding);
    int encoding() const;
    void setTabIndent(bool tabIndent);
    CXmlStreamProgressCallback* progressCallback() const;

    // Reads OBJECT from the stream. False (OBJECT untouched) when the XML cannot be read; false
    // also when the document does not hold OBJECT's element, or a list item failed.
    bool load(CXmlMessageObject* object);
    // Writes OBJECT to the stream; false when OBJECT is null or the XML could not be written.
    bool save(CXmlMessageObject* object);

    // Why the last load or save failed, for people; empty after a success.
    const std::string& errorString() const;

protected:
    void setErrorString(const std::string& error);

private:
    bool m_tabIndent = true;
    int m_encoding = EncodingLegacy;
    CXmlStreamProgressCallback* m_progress = nullptr;
    std::string m_error;
};
