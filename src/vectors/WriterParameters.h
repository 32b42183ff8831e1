#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/vectors/VectorCoordParameters.h"
#include "OvCoordSystem/vectors/VectorWriteOptions.h"

#include <QString>

namespace vectors {

// What a writer stream needs to know about the file it writes.
struct OVCOORD_EXPORT WriterParameters
{
    // Geometry kinds a stream can give the layers it creates.
    enum GeometryKind
    {
        PointGeometry = 0,
        LineGeometry = 1,
        PolygonGeometry = 2,
        AnyGeometry = 3 // the driver takes the type of the features
    };

    // Source and target systems; centralMeridian serves both sides without an EPSG code.
    VectorCoordParameters coordParameters;
    // False easting (metres) of a Gauss-Krueger or UTM side without an EPSG code.
    double falseEasting = 500000.0;
    // The output file; its suffix selects the driver, the style form and the text layout.
    QString path;
    // See VectorWriteOptions::TextOption.
    int textOptions[VectorWriteOptions::TextOptionCount] = { -1, -1, -1, -1, -1, 0, 1, 0, 3 };
    // A GeometryKind: the geometry type of the layers the stream creates.
    int geometryKind = AnyGeometry;
};

} // namespace vectors
