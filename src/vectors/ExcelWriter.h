#pragma once

#include "OvCoordSystem/vectors/ITextWriterStream.h"

namespace libxl {
class Book;
class Sheet;
} // namespace libxl

namespace vectors {

// Writes an Excel 97-2003 workbook (.xls) with a sheet "Sheet1": a header row of the column names,
// then one row per record. Records beyond a sheet's 65536 rows go on to "Sheet1 (2)" and so on,
// each with its own header row. Numbers go into number cells, everything else into text cells.
class OVCOORD_EXPORT ExcelWriter : public ITextWriterStream
{
public:
    ExcelWriter();
    ~ExcelWriter() override;

    bool open() override;
    // Saves the workbook to the path and releases it.
    void close() override;
    bool writeRecord(const TextRecord& record) override;

    // Rows of an .xls sheet, the header included.
    static constexpr int kXlsRowsPerSheet = 65536;
    // Fewer rows per sheet (at least 2), so that tests reach a sheet's end with few records.
    void setRowsPerSheet(int rows);

protected:
    bool separatorOnEveryRecord() const override;

private:
    bool addSheet();
    bool writeRow(const QVariantList& values);

    libxl::Book* m_book = nullptr;
    libxl::Sheet* m_sheet = nullptr;
    int m_row = 0; // of the current sheet
    int m_sheets = 0;
    int m_rowsPerSheet = kXlsRowsPerSheet;
};

} // namespace vectors
