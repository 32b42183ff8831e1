#include "OvCoordSystem/vectors/VCTHelpers_p.h"

#include "OvCoordSystem/coord/CoordSysCorrectEngine.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/VCTGeometryFactory.h"
#include "OvCoordSystem/vectors/VCTPoint.h"

#include <ogr_geometry.h>

#include <vector>

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
        shift(&x, &y, 1);
        point->setX(x);
        point->setY(y);
    }
    void visit(OGRLineString* line) override { correctCurve(line); }
    void visit(OGRLinearRing* ring) override { correctCurve(ring); }

private:
    // The engine shifts the whole curve at once, which gives each vertex the result it gets on
    // its own as long as the engine accepts every vertex. When it refuses one (it then stops
    // there), the curve is shifted again vertex by vertex from its original coordinates.
    void correctCurve(OGRSimpleCurve* curve)
    {
        const int count = curve->getNumPoints();
        m_x.resize(count);
        m_y.resize(count);
        for (int i = 0; i < count; ++i) {
            m_x[i] = curve->getX(i);
            m_y[i] = curve->getY(i);
        }
        const bool allShifted = shift(m_x.data(), m_y.data(), count);
        for (int i = 0; i < count; ++i) {
            if (!allShifted) {
                m_x[i] = curve->getX(i);
                m_y[i] = curve->getY(i);
                shift(&m_x[i], &m_y[i], 1);
            }
            curve->setPoint(i, m_x[i], m_y[i]); // leaves z and m of the vertex as they are
        }
    }
    // False when the engine refused a point; it leaves that point and the later ones untouched.
    bool shift(double* x, double* y, int count)
    {
        return m_forward ? m_engine->FromWGS84(x, y, count) : m_engine->ToWGS84(x, y, count);
    }

    coordinate::ICoordSysCorrectEngine* m_engine;
    bool m_forward;
    std::vector<double> m_x;
    std::vector<double> m_y;
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
