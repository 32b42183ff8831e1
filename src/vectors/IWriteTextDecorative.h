#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/vectors/WriterField.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vectors {

// One vertex of a feature as the text formats write it: the feature's attributes with the
// vertex's coordinates.
struct OVCOORD_EXPORT TextRecord
{
    const QMap<QString, QVariant>* attributes = nullptr; // not owned
    QString name; // the feature's "name" (DAT)
    QString remark; // the feature's "remark" (DAT)
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    // DAT: a separator line follows the record; TXT, CSV: the configured delimiter separates its
    // values.
    bool separator = false;
};

// Lays a record out as columns: the attributes of the stream's fields in order, then
// "经度" (x), "纬度" (y) and "海拔" (z).
class OVCOORD_EXPORT IWriteTextDecorative
{
public:
    // The names of the columns.
    static QStringList headerColumns(const QList<WriterField>& fields);
    // The values of RECORD's columns: each field's attribute (invalid when the record has none),
    // then x, y and z as doubles.
    static QVariantList recordValues(const TextRecord& record, const QList<WriterField>& fields);

    // Writes one record to the output; false (with the stream's error text) when it failed.
    virtual bool writeRecord(const TextRecord& record) = 0;
    virtual ~IWriteTextDecorative();
};

} // namespace vectors
