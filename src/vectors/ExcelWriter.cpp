#include "OvCoordSystem/vectors/ExcelWriter.h"

#include "OvCoordSystem/excel/Book.h"
#include "OvCoordSystem/vectors/WriterErrors_p.h"

#include <string>

namespace vectors {
namespace {

const wchar_t kFirstSheet[] = L"Sheet1";

bool isNumber(const QVariant& value)
{
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::UInt:
    case QVariant::LongLong:
    case QVariant::ULongLong:
    case QVariant::Double:
        return true;
    default:
        return false;
    }
}

} // namespace

ExcelWriter::ExcelWriter() = default;

ExcelWriter::~ExcelWriter()
{
    close();
}

void ExcelWriter::setRowsPerSheet(int rows)
{
    m_rowsPerSheet = qBound(2, rows, kXlsRowsPerSheet);
}

bool ExcelWriter::separatorOnEveryRecord() const
{
    return true;
}

bool ExcelWriter::open()
{
    close();
    if (m_parameters.path.isEmpty()) {
        m_errorText = writererrors::kCreateBookFailed;
        return false;
    }
    m_book = xlCreateBookW();
    if (!m_book) {
        m_errorText = writererrors::kCreateBookFailed;
        return false;
    }
    m_sheets = 0;
    if (!addSheet()) {
        m_book->release();
        m_book = nullptr;
        return false;
    }
    return true;
}

// The next sheet, "Sheet1", then "Sheet1 (2)", "Sheet1 (3)", ..., each starting with the header.
bool ExcelWriter::addSheet()
{
    ++m_sheets;
    const std::wstring name = m_sheets == 1
        ? std::wstring(kFirstSheet)
        : std::wstring(kFirstSheet) + L" (" + std::to_wstring(m_sheets) + L")";
    m_sheet = m_book->addSheet(name.c_str());
    if (!m_sheet) {
        m_errorText = writererrors::kCreateSheetFailed;
        return false;
    }
    m_row = 0;
    QVariantList header;
    for (const QString& column : headerColumns(m_fields))
        header << column;
    return writeRow(header);
}

void ExcelWriter::close()
{
    if (!m_book) return;
    if (!m_book->save(m_parameters.path.toStdWString().c_str()))
        m_errorText = writererrors::kSaveBookFailed;
    m_book->release();
    m_book = nullptr;
    m_sheet = nullptr;
}

bool ExcelWriter::writeRecord(const TextRecord& record)
{
    if (!m_sheet) {
        m_errorText = writererrors::kCreateSheetFailed;
        return false;
    }
    if (m_row == m_rowsPerSheet && !addSheet()) return false;
    return writeRow(recordValues(record, m_fields));
}

bool ExcelWriter::writeRow(const QVariantList& values)
{
    bool written = true;
    for (int column = 0; column < values.size(); ++column) {
        const QVariant& value = values[column];
        // Numbers Excel cannot hold (NaN, infinities) are kept as text.
        const bool number = isNumber(value) && m_sheet->writeNum(m_row, column, value.toDouble());
        if (!number && !m_sheet->writeStr(m_row, column, value.toString().toStdWString().c_str()))
            written = false;
    }
    ++m_row;
    if (!written) m_errorText = writererrors::kWriteSheetFailed;
    return written;
}

} // namespace vectors
