// CDmsExtent's text operations on any corner text: FromMinPointF, FromMaxPointF and DmsConvert
// in every format. Besides crashes it checks that a failed read leaves the corner alone (without
// the store-first flag), that a successful read keeps the extent valid, and that a conversion
// gives the text back, nothing, or one corner.
#include "FuzzText.h"

#include "OvCoordSystem/coord/DmsExtent.h"

namespace {
const E_DEGREE_FOARMAT kFormats[]
    = { DEGREE_DECIMAL, DEGREE_PACKED, DEGREE_SYMBOLS, DEGREE_COLONS };

CDmsExtent startExtent()
{
    CDmsExtent extent;
    extent.SetMinPointF(QPointF(-10.0, -10.0));
    extent.SetMaxPointF(QPointF(10.0, 10.0));
    return extent;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const uint8_t control = data[0];
    const QString text = fuzzText(data + 1, size - 1, control & 1);
    const bool storeFirst = control & 2;

    for (const E_DEGREE_FOARMAT format : kFormats) {
        CDmsExtent extent = startExtent();
        const bool minRead = extent.FromMinPointF(text, format, storeFirst);
        if (minRead)
            fuzzCheck(extent.IsValid());
        else if (!storeFirst)
            fuzzCheck(extent.GetMinPointF() == QPointF(-10.0, -10.0));
        extent = startExtent();
        const bool maxRead = extent.FromMaxPointF(text, format, storeFirst);
        if (maxRead)
            fuzzCheck(extent.IsValid());
        else if (!storeFirst)
            fuzzCheck(extent.GetMaxPointF() == QPointF(10.0, 10.0));
        extent.ToMinPointF(format);
        extent.ToMaxPointF(format);

        for (const E_DEGREE_FOARMAT target : kFormats) {
            E_DEGREE_FOARMAT source = format;
            const QString converted = extent.DmsConvert(text, source, target);
            if (source == target)
                fuzzCheck(converted == text);
            else
                fuzzCheck(converted.isEmpty() || converted.count(QLatin1Char(',')) == 1);
        }
    }
    return 0;
}
