#pragma once

#include "OvCoordSystem/kml/XmlStream.h"

// XML in a file. The path is passed as is to the C library (local 8-bit bytes).
class OVCOORD_EXPORT CXmlFileStream : public CXmlStream
{
public:
    explicit CXmlFileStream(const std::string& path = std::string());

    const std::string& path() const;
    void setPath(const std::string& path);

    // Whether the file last read as UTF-8 started with a byte-order mark; a UTF-8 save writes
    // the mark back when this is true.
    bool byteOrderMark() const;
    void setByteOrderMark(bool byteOrderMark);

    bool writeDocument(CTinyXmlSerializer* serializer) override;
    bool readDocument(CTinyXmlSerializer* serializer) override;

private:
    std::string m_path;
    bool m_byteOrderMark = false;
};
