#include "XlsReaders.h"

#include "OvCoordSystem/excel/Book.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include <freexl.h>

#include <algorithm>

void XlsSheet::set(int row, int column, const QVariant& value)
{
    cells.insert({ row, column }, value);
    rows = qMax(rows, row + 1);
    columns = qMax(columns, column + 1);
}

bool XlsSheet::operator==(const XlsSheet& other) const
{
    // QVariant's own == converts between types ("1" equals 1.0): compare the types too.
    auto sameCell
        = [](const QVariant& a, const QVariant& b) { return a.type() == b.type() && a == b; };
    return name == other.name && rows == other.rows && columns == other.columns
        && cells.keys() == other.cells.keys()
        && std::equal(cells.cbegin(), cells.cend(), other.cells.cbegin(), sameCell);
}

QString writeWorkbook(const QString& path, const QVector<XlsSheet>& sheets)
{
    libxl::Book* book = xlCreateBookW();
    QString error;
    for (const XlsSheet& content : sheets) {
        libxl::Sheet* sheet = book->addSheet(content.name.toStdWString().c_str());
        if (!sheet) {
            error = QString::fromUtf8(book->errorMessage());
            break;
        }
        for (auto it = content.cells.cbegin(); it != content.cells.cend(); ++it) {
            const bool ok = it.value().type() == QVariant::String
                ? sheet->writeStr(
                    it.key().first, it.key().second, it.value().toString().toStdWString().c_str())
                : sheet->writeNum(it.key().first, it.key().second, it.value().toDouble());
            if (!ok) error = QString::fromUtf8(book->errorMessage());
        }
    }
    if (error.isEmpty() && !book->save(path.toStdWString().c_str()))
        error = QString::fromUtf8(book->errorMessage());
    book->release();
    return error;
}

QVector<XlsSheet> readWithFreexl(const QString& path, int* fatSectors)
{
    QVector<XlsSheet> sheets;
    const void* handle = nullptr;
    if (freexl_open(path.toLocal8Bit().constData(), &handle) != FREEXL_OK) return sheets;
    unsigned int count = 0;
    freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count);
    unsigned int fat = 0;
    freexl_get_info(handle, FREEXL_CFBF_FAT_COUNT, &fat);
    if (fatSectors) *fatSectors = int(fat);
    for (unsigned short i = 0; i < count; ++i) {
        const char* name = nullptr;
        unsigned int rows = 0;
        unsigned short columns = 0;
        freexl_get_worksheet_name(handle, i, &name);
        freexl_select_active_worksheet(handle, i);
        freexl_worksheet_dimensions(handle, &rows, &columns);
        XlsSheet sheet { QString::fromUtf8(name) };
        for (unsigned int r = 0; r < rows; ++r) {
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue value;
                if (freexl_get_cell_value(handle, r, c, &value) != FREEXL_OK) continue;
                if (value.type == FREEXL_CELL_INT)
                    sheet.set(int(r), c, double(value.value.int_value));
                else if (value.type == FREEXL_CELL_DOUBLE)
                    sheet.set(int(r), c, value.value.double_value);
                else if (value.type == FREEXL_CELL_TEXT || value.type == FREEXL_CELL_SST_TEXT)
                    sheet.set(int(r), c, QString::fromUtf8(value.value.text_value));
            }
        }
        // freexl reports the DIMENSIONS record: it must agree with the cells.
        sheet.rows = int(rows);
        sheet.columns = columns;
        sheets.append(sheet);
    }
    freexl_close(handle);
    return sheets;
}

QVector<XlsSheet> readWithXlrd(const QString& path)
{
    static const char* kScript = R"(
import json, sys, xlrd
json.dump([{"name": s.name, "rows": s.nrows, "columns": s.ncols, "cells": [[r, c, v]
    for r in range(s.nrows) for c, (t, v) in enumerate(zip(s.row_types(r), s.row_values(r)))
    if t in (xlrd.XL_CELL_TEXT, xlrd.XL_CELL_NUMBER)]}
    for s in xlrd.open_workbook(sys.argv[1], ragged_rows=True).sheets()], sys.stdout)
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
        { QStringLiteral("-c"), QString::fromLatin1(kScript), path });
    QVector<XlsSheet> sheets;
    if (!python.waitForFinished(120000) || python.exitCode() != 0) return sheets;
    for (const QJsonValue& s : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        XlsSheet sheet { s[QStringLiteral("name")].toString() };
        for (const QJsonValue& cell : s[QStringLiteral("cells")].toArray()) {
            const QJsonArray c = cell.toArray();
            // Qt's JSON keeps 3.0 as an integer: take numbers as doubles explicitly.
            sheet.set(c[0].toInt(), c[1].toInt(),
                c[2].isString() ? QVariant(c[2].toString()) : QVariant(c[2].toDouble()));
        }
        sheet.rows = s[QStringLiteral("rows")].toInt();
        sheet.columns = s[QStringLiteral("columns")].toInt();
        sheets.append(sheet);
    }
    return sheets;
}
