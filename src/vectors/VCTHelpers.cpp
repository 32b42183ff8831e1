#include "vectors/VCTHelpers_p.h"

#include "coord/CoordSysCorrectEngine.h"
#include "vectors/VCTGeometry.h"
#include "vectors/VCTGeometryFactory.h"
#include "vectors/VCTPoint.h"

#include <ogr_geometry.h>

namespace vectors {
namespace {

// Visits every vertex of a geometry; the default visitor walks polygons ring by ring and
// collections member by member, so only points and simple curves need their own visit.
class VertexCorrector final : public OGRDefaultGeometryVisitor
{
public:
    VertexCorrector(bool forward, int engineKind)
        : m_engine(coordinate::CreateCorrectEngine(engineKind))
        , m_forward(forward)
    { }
    ~VertexCorrector() override { coordinate::DestroyCorrectEngine(m_engine); }
    VertexCorrector(const VertexCorrector&) = delete;
    VertexCorrector& operator=(const VertexCorrector&) = delete;

    bool hasEngine() const { return m_engine != nullptr; }

    using OGRDefaultGeometryVisitor::visit;
    void visit(OGRPoint* point) override
    {
        if (point->IsEmpty()) return;
        double x = point->getX();
        double y = point->getY();
        shift(x, y);
        point->setX(x);
        point->setY(y);
    }
    void visit(OGRLineString* line) override { correctCurve(line); }
    void visit(OGRLinearRing* ring) override { correctCurve(ring); }

private:
    void correctCurve(OGRSimpleCurve* curve)
    {
        const int count = curve->getNumPoints();
        for (int i = 0; i < count; ++i) {
            double x = curve->getX(i);
            double y = curve->getY(i);
            shift(x, y);
            curve->setPoint(i, x, y); // leaves z and m of the vertex as they are
        }
    }
    // The engine leaves a point it refuses untouched, so its result needs no test here.
    void shift(double& x, double& y)
    {
        if (m_forward)
            m_engine->FromWGS84(&x, &y, 1);
        else
            m_engine->ToWGS84(&x, &y, 1);
    }

    coordinate::ICoordSysCorrectEngine* m_engine;
    bool m_forward;
};

} // namespace

void correctVertices(OGRGeometry& geometry, bool forward, int engineKind)
{
    VertexCorrector corrector(forward, engineKind);
    if (corrector.hasEngine()) geometry.accept(&corrector);
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
