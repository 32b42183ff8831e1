#include "DegreeFormatOption.h"

namespace {
const struct
{
    const char* name;
    E_DEGREE_FOARMAT format;
} kFormatNames[] = { { "decimal", DEGREE_DECIMAL }, { "packed", DEGREE_PACKED },
    { "symbols", DEGREE_SYMBOLS }, { "colons", DEGREE_COLONS } };
} // namespace

bool degreeFormatFromName(const QString& name, E_DEGREE_FOARMAT* format)
{
    for (const auto& entry : kFormatNames) {
        if (name == QLatin1String(entry.name)) {
            *format = entry.format;
            return true;
        }
    }
    return false;
}

QString degreeFormatName(E_DEGREE_FOARMAT format)
{
    for (const auto& entry : kFormatNames) {
        if (entry.format == format) return QLatin1String(entry.name);
    }
    return QString::number(format);
}
