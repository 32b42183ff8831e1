#pragma once

#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// A worksheet as a reader sees it: its name, its used size and every cell that holds a value
// (a QString or a double).
struct XlsSheet
{
    QString name;
    int rows = 0;
    int columns = 0;
    QMap<QPair<int, int>, QVariant> cells {};

    void set(int row, int column, const QVariant& value);
    bool operator==(const XlsSheet& other) const;
};

// Writes the sheets through the library's workbook and saves it; an empty text on success,
// otherwise the book's error message.
QString writeWorkbook(const QString& path, const QVector<XlsSheet>& sheets);

// Reads with libfreexl; an empty list when the file does not open. fatSectors, when given,
// receives the compound file's FAT sector count.
QVector<XlsSheet> readWithFreexl(const QString& path, int* fatSectors = nullptr);
// Reads with python3-xlrd (Debian's /usr/bin/python3); an empty list on failure.
QVector<XlsSheet> readWithXlrd(const QString& path);
