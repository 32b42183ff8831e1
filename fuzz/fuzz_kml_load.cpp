// Arbitrary bytes through the string stream into the KML model, then saved and read again.
// The first byte picks the encoding (legacy or UTF-8); the rest is the XML text.
#include "OvCoordSystem/kml/IcdKml.h"
#include "OvCoordSystem/kml/XmlStringStream.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int encoding = data[0] & 1;
    CXmlStringStream in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    in.setEncoding(encoding);
    CICD_KML kml;
    if (!in.load(&kml)) return 0;

    // Whatever was read must write, and what was written must read again.
    CXmlStringStream out;
    out.setEncoding(encoding);
    if (!out.save(&kml)) std::abort();
    CICD_KML again;
    if (!out.load(&again)) std::abort();
    return 0;
}
