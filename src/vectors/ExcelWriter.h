#pragma once

#include "OvCoordSystem/vectors/ITextWriterStream.h"

namespace libxl {
class Book;
class Sheet;
} // namespace libxl

namespace vectors {

// Writes an Excel 97-2003 workbook (.xls) with one sheet "Sheet1": a header row of the column
// names, then one row per record. Numbers go into number cells, everything else into text cells.
class OVCOORD_EXPORT ExcelWriter : public ITextWriterStream
{
public:
    ExcelWriter();
    ~ExcelWriter() override;

    bool open() override;
    // Saves the workbook to the path and releases it.
    void close() override;
    bool writeRecord(const TextRecord& record) override;

protected:
    bool separatorOnEveryRecord() const override;

private:
    bool writeRow(const QVariantList& values);

    libxl::Book* m_book = nullptr;
    libxl::Sheet* m_sheet = nullptr;
    int m_row = 0;
};

} // namespace vectors
