#include "OvCoordSystem/vectors/IWriteTextDecorative.h"

namespace vectors {

QStringList IWriteTextDecorative::headerColumns(const QList<WriterField>& fields)
{
    QStringList columns;
    for (const WriterField& field : fields)
        columns << field.name;
    columns << QStringLiteral("经度") << QStringLiteral("纬度") << QStringLiteral("海拔");
    return columns;
}

QVariantList IWriteTextDecorative::recordValues(
    const TextRecord& record, const QList<WriterField>& fields)
{
    QVariantList values;
    for (const WriterField& field : fields)
        values << (record.attributes ? record.attributes->value(field.name) : QVariant());
    values << record.x << record.y << record.z;
    return values;
}

IWriteTextDecorative::~IWriteTextDecorative() = default;

} // namespace vectors
