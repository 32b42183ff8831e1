#include "OvCoordSystem/excel/BiffBook_p.h"

#include "OvCoordSystem/excel/CompoundFile_p.h"

#include <QSaveFile>

#include <cmath>
#include <new>

namespace biff {
namespace {

bool isValidSheetName(const QString& name)
{
    static const QString kForbidden = QStringLiteral(":\\/?*[]");
    if (name.isEmpty() || name.size() > kMaxSheetNameLength) return false;
    if (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\''))) return false;
    for (QChar c : name)
        if (kForbidden.contains(c)) return false;
    return true;
}

} // namespace

BiffSheet::BiffSheet(BiffBook& book, const QString& name)
    : m_book(book)
    , m_name(name)
{ }

bool BiffSheet::checkCell(int row, int col)
{
    if (row < 0 || row >= kMaxRows)
        return m_book.fail("invalid row: an .xls sheet has rows 0 to 65535");
    if (col < 0 || col >= kMaxColumns)
        return m_book.fail("invalid column: an .xls sheet has columns 0 to 255");
    return true;
}

bool BiffSheet::writeStr(int row, int col, const wchar_t* value)
{
    if (!checkCell(row, col)) return false;
    if (!value) return m_book.fail("null text");
    const QString text = QString::fromWCharArray(value);
    if (text.size() > kMaxTextLength) return m_book.fail("text longer than 32767 characters");
    if (text.isEmpty()) {
        m_cells.erase(cellKey(row, col));
        m_book.succeed();
        return true;
    }
    Cell cell;
    cell.textIndex = m_book.textIndex(text);
    m_cells[cellKey(row, col)] = cell;
    m_book.succeed();
    return true;
}

bool BiffSheet::writeNum(int row, int col, double value)
{
    if (!checkCell(row, col)) return false;
    if (!std::isfinite(value)) return m_book.fail("number is not finite");
    Cell cell;
    cell.number = value;
    m_cells[cellKey(row, col)] = cell;
    m_book.succeed();
    return true;
}

libxl::Sheet* BiffBook::addSheet(const wchar_t* name)
{
    const QString sheetName = name ? QString::fromWCharArray(name) : QString();
    if (!isValidSheetName(sheetName)) {
        fail("invalid sheet name: 1 to 31 characters, none of : \\ / ? * [ ], no apostrophe "
             "at either end");
        return nullptr;
    }
    for (const auto& sheet : m_sheets) {
        if (sheet->name().compare(sheetName, Qt::CaseInsensitive) == 0) {
            fail("a sheet of that name already exists");
            return nullptr;
        }
    }
    m_sheets.push_back(std::make_unique<BiffSheet>(*this, sheetName));
    succeed();
    return m_sheets.back().get();
}

libxl::Sheet* BiffBook::getSheet(int index) const
{
    if (index < 0 || index >= sheetCount()) return nullptr;
    return m_sheets[size_t(index)].get();
}

int BiffBook::sheetCount() const
{
    return int(m_sheets.size());
}

bool BiffBook::save(const wchar_t* filename)
{
    const QString path = filename ? QString::fromWCharArray(filename) : QString();
    if (path.isEmpty()) return fail("empty file name");
    if (m_sheets.empty()) return fail("a workbook needs at least one sheet");

    QVector<SheetContent> sheets;
    for (const auto& sheet : m_sheets)
        sheets.append({ sheet->name(), &sheet->cells() });
    const QByteArray file
        = cfb::singleStreamFile(QStringLiteral("Workbook"), workbookStream(sheets, m_texts));

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return fail("can't open the file for writing");
    if (out.write(file) != file.size() || !out.commit()) return fail("can't write the file");
    succeed();
    return true;
}

const char* BiffBook::errorMessage() const
{
    return m_error;
}

void BiffBook::release()
{
    delete this;
}

qint32 BiffBook::textIndex(const QString& text)
{
    const auto found = m_textIndex.constFind(text);
    if (found != m_textIndex.constEnd()) return found.value();
    const qint32 index = qint32(m_texts.size());
    m_texts.append(text);
    m_textIndex.insert(text, index);
    return index;
}

bool BiffBook::fail(const char* message)
{
    m_error = message;
    return false;
}

} // namespace biff

libxl::Book* xlCreateBookW()
{
    return new (std::nothrow) biff::BiffBook();
}
