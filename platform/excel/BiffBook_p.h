#pragma once

#include "OvCoordSystem/excel/BiffStream_p.h"
#include "OvCoordSystem/excel/Book.h"

#include <QHash>
#include <QVector>

#include <memory>
#include <vector>

namespace biff {

class BiffBook;

class BiffSheet final : public libxl::Sheet
{
public:
    BiffSheet(BiffBook& book, const QString& name);

    bool writeStr(int row, int col, const wchar_t* value) override;
    bool writeNum(int row, int col, double value) override;

    const QString& name() const { return m_name; }
    const CellMap& cells() const { return m_cells; }

private:
    bool checkCell(int row, int col);

    BiffBook& m_book;
    QString m_name;
    CellMap m_cells;
};

// The workbook: its sheets, the shared-string table all sheets draw on, and the last error.
class BiffBook final : public libxl::Book
{
public:
    libxl::Sheet* addSheet(const wchar_t* name) override;
    libxl::Sheet* getSheet(int index) const override;
    int sheetCount() const override;
    bool save(const wchar_t* filename) override;
    const char* errorMessage() const override;
    void release() override;

    // The index of text in the shared-string table, added when new.
    qint32 textIndex(const QString& text);
    bool fail(const char* message);
    void succeed() { m_error = "ok"; }

private:
    ~BiffBook() override = default;

    std::vector<std::unique_ptr<BiffSheet>> m_sheets;
    QVector<QString> m_texts;
    QHash<QString, qint32> m_textIndex;
    const char* m_error = "ok";
};

} // namespace biff
