#include <OvCoordSystem.h>
#include <OvCoordSystem/coord/OvCoordTransform.h>

#include <QByteArray>

#include <cmath>

// The public headers reach no TinyXML: it stays inside the library.
#ifdef TINYXML_INCLUDED
#error "a public header includes TinyXML"
#endif

// An outside program that includes every public header, links both libraries and shifts a point
// through the installed library. Expected value: the npm package gcoord 1.0.7,
// gcoord.transform([116.397128, 39.916527], WGS84, GCJ02).
int main()
{
    // Qt's implicit QByteArray to const char* stays the program's choice.
    const QByteArray name("x");
    const char* text = name;
    QPointF point(116.397128, 39.916527);
    const COvCoordTransform transform;
    if (!transform.WGS84ToGCJ02(point) || text[0] != 'x') return 1;
    const bool near = std::fabs(point.x() - 116.40337249402477) < 1e-9
        && std::fabs(point.y() - 39.917930749245947) < 1e-9;
    return near ? 0 : 2;
}
