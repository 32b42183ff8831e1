#pragma once

#include "OvCoordSystem/vectors/ITextWriterStream.h"

#include <QFile>
#include <QTextStream>

namespace vectors {

// Writes TXT, CSV and DAT files. TXT and CSV start with a header line of the column names; DAT
// writes "name,remark,x,y,z" lines. Lines end with "\r\n".
class OVCOORD_EXPORT TextWriter : public ITextWriterStream
{
public:
    TextWriter();
    ~TextWriter() override;

    bool open() override;
    void close() override;
    bool writeRecord(const TextRecord& record) override;

protected:
    bool separatorOnEveryRecord() const override;

private:
    bool isDat() const;
    void writeHeader();

    QFile m_file;
    QTextStream m_stream;
    bool m_headerWritten = false;
};

} // namespace vectors
