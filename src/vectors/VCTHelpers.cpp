#include "OvCoordSystem/vectors/VCTHelpers_p.h"

#include "OvCoordSystem/coord/CoordSysCorrectEngine.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/VCTGeometryFactory.h"
#include "OvCoordSystem/vectors/VCTPoint.h"

#include <ogr_geometry.h>

#include <functional>
#include <memory>
#include <vector>

namespace vectors {
namespace {

// Hands the points and simple curves of a geometry to the walk's functions; the default visitor
// walks polygons ring by ring and collections member by member.
class CurveVisitor final : public OGRDefaultGeometryVisitor
{
public:
    CurveVisitor(const std::function<void(OGRPoint&)>& point,
        const std::function<void(OGRSimpleCurve&)>& curve)
        : m_point(point)
        , m_curve(curve)
    { }

    using OGRDefaultGeometryVisitor::visit;
    void visit(OGRPoint* point) override
    {
        if (!point->IsEmpty()) m_point(*point);
    }
    void visit(OGRLineString* line) override { m_curve(*line); }
    void visit(OGRLinearRing* ring) override { m_curve(*ring); }

private:
    const std::function<void(OGRPoint&)>& m_point;
    const std::function<void(OGRSimpleCurve&)>& m_curve;
};

} // namespace

void walkGeometry(OGRGeometry& geometry, const std::function<void(OGRPoint&)>& point,
    const std::function<void(OGRSimpleCurve&)>& curve)
{
    CurveVisitor visitor(point, curve);
    geometry.accept(&visitor);
}

void correctVertices(OGRGeometry& geometry, bool forward, int engineKind)
{
    const std::unique_ptr<coordinate::ICoordSysCorrectEngine,
        void (*)(coordinate::ICoordSysCorrectEngine*)>
        engine(coordinate::CreateCorrectEngine(engineKind), coordinate::DestroyCorrectEngine);
    if (!engine) return;
    // False when the engine refused a point; it leaves that point and the later ones untouched.
    const auto shift = [&engine, forward](double* x, double* y, int count) {
        return forward ? engine->FromWGS84(x, y, count) : engine->ToWGS84(x, y, count);
    };
    std::vector<double> xs;
    std::vector<double> ys;
    walkGeometry(
        geometry,
        [&shift](OGRPoint& point) {
            double x = point.getX();
            double y = point.getY();
            shift(&x, &y, 1);
            point.setX(x);
            point.setY(y);
        },
        // The engine shifts the whole curve at once, which gives each vertex the result it gets
        // on its own as long as the engine accepts every vertex. When it refuses one (it then
        // stops there), the curve is shifted again vertex by vertex from its original coordinates.
        [&shift, &xs, &ys](OGRSimpleCurve& curve) {
            const int count = curve.getNumPoints();
            xs.resize(count);
            ys.resize(count);
            for (int i = 0; i < count; ++i) {
                xs[i] = curve.getX(i);
                ys[i] = curve.getY(i);
            }
            const bool allShifted = shift(xs.data(), ys.data(), count);
            for (int i = 0; i < count; ++i) {
                if (!allShifted) {
                    xs[i] = curve.getX(i);
                    ys[i] = curve.getY(i);
                    shift(&xs[i], &ys[i], 1);
                }
                curve.setPoint(i, xs[i], ys[i]); // leaves z and m of the vertex as they are
            }
        });
}

VCTGeometry* wrapMember(const OGRGeometryCollection& collection, int i)
{
    VCTGeometry* wrapped = nullptr;
    if (i >= 0 && i < collection.getNumGeometries())
        createVctGeometry(collection.getGeometryRef(i), wrapped);
    return wrapped;
}

void consumeInto(OGRGeometryCollection& collection, VCTGeometry* element)
{
    if (!element) return;
    if (const OGRGeometry* geometry = element->getOgrGeometry()) collection.addGeometry(geometry);
    releaseVctGeometry(element);
}

} // namespace vectors

namespace vectors {
namespace {
bool isVertex(const OGRSimpleCurve& curve, int i)
{
    return i >= 0 && i < curve.getNumPoints();
}
} // namespace

double vertexX(const OGRSimpleCurve& curve, int i)
{
    return isVertex(curve, i) ? curve.getX(i) : 0.0;
}

double vertexY(const OGRSimpleCurve& curve, int i)
{
    return isVertex(curve, i) ? curve.getY(i) : 0.0;
}

double vertexZ(const OGRSimpleCurve& curve, int i)
{
    return isVertex(curve, i) ? curve.getZ(i) : 0.0;
}

VCTPoint* newPointAt(const OGRSimpleCurve& curve, int i)
{
    if (!isVertex(curve, i)) return nullptr;
    OGRPoint point;
    curve.getPoint(i, &point);
    return new VCTPoint(point);
}

void appendPoint(OGRSimpleCurve& curve, VCTPoint* point)
{
    if (!point) return;
    curve.addPoint(point->getOgrGeometry());
    delete point;
}

} // namespace vectors
