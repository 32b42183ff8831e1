// The locator's path from typed coordinate text to the point it shows: for every format, text the
// validator accepts is read into a point and a title. The title must be the two values with at
// most 12 decimals each, and must read back as the point.
#include "FuzzText.h"

#include "OvCoordSystem/coord/CoordValid.h"
#include "OvCoordSystem/locate/TypedCoordinate_p.h"

#include <cmath>

namespace {
const E_DEGREE_FOARMAT kFormats[]
    = { DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_SYMBOLS, DEGREE_COLONS };

void checkValue(const QString& text, double value)
{
    const int point = text.indexOf(QLatin1Char('.'));
    fuzzCheck(point < 0 || text.size() - point - 1 <= 12);
    bool ok = false;
    const double read = text.toDouble(&ok);
    if (std::isfinite(value))
        fuzzCheck(ok && std::fabs(read - value) <= 1e-6 * (1 + std::fabs(value)));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const QString text = fuzzText(data + 1, size - 1, data[0] & 1);
    for (const E_DEGREE_FOARMAT format : kFormats) {
        if (!CCoordValid::GetInstance()->IsValid(text, format)) continue;
        TypedCoordinate point;
        point.title = QStringLiteral("untouched");
        if (!ReadTypedCoordinate(text, format, &point)) {
            fuzzCheck(point.title == QLatin1String("untouched"));
            continue;
        }
        const QStringList values = point.title.split(QLatin1Char(','));
        fuzzCheck(values.size() == 2);
        checkValue(values[0], point.x);
        checkValue(values[1], point.y);
    }
    return 0;
}
