// Every operation of CCoordValid on any text in every format. Besides crashes it checks that a
// value the validator accepts is read by CEkDegree, that GetLB leaves its outputs alone when it
// fails, and that the pair split and the pair order agree.
#include "FuzzText.h"

#include "OvCoordSystem/coord/CoordValid.h"

namespace {
const E_DEGREE_FOARMAT kFormats[] = { DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_SYMBOLS, DEGREE_COLONS,
    static_cast<E_DEGREE_FOARMAT>(7) };
const E_NUM_LNG_LAT kAxes[] = { NUM_LNG, NUM_LAT, static_cast<E_NUM_LNG_LAT>(2) };
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const QString text = fuzzText(data + 1, size - 1, data[0] & 1);
    const CCoordValid* valid = CCoordValid::GetInstance();

    const QStringList parts = valid->GetLBValue(text);
    fuzzCheck(parts.isEmpty() || parts.size() == 2);
    fuzzCheck((valid->GetCoordFormat(text) == FORMAT_LNG_LAT) == (parts.size() == 2));
    fuzzCheck(!valid->IsGoogle(text));
    for (const E_NUM_LNG_LAT axis : kAxes)
        valid->IsCoord(text, axis);

    for (const E_DEGREE_FOARMAT format : kFormats) {
        if (valid->IsValid(text, format)) fuzzCheck(parts.size() == 2);
        for (const E_NUM_LNG_LAT axis : kAxes) {
            if (valid->IsValid(text, format, axis)) {
                CEkDegree degree;
                fuzzCheck(degree.FromFormat(format, text.toLocal8Bit().toStdString()));
            }
        }
        QString lng = QStringLiteral("untouched");
        QString lat = QStringLiteral("untouched");
        if (valid->GetLB(text, lng, lat, format))
            fuzzCheck(!lng.isEmpty() && !lat.isEmpty());
        else
            fuzzCheck(lng == QLatin1String("untouched") && lat == QLatin1String("untouched"));
    }
    return 0;
}
