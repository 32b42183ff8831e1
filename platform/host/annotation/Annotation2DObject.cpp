#include "OvCoordSystem/host/annotation/Annotation2DObject_p.h"

#include "OvCoordSystem/host/annotation/Annotation2DMapLayer_p.h"
#include "OvCoordSystem/host/annotation/Annotation2DModule_p.h"
#include "OvCoordSystem/host/annotation/AnnotationFeature_p.h"
#include "OvCoordSystem/host/annotation/AnnotationItem_p.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/graphics/GraphicsItemId_p.h"
#include "OvCoordSystem/host/map/OvMapModule_p.h"

#include <QGraphicsScene>

namespace {
// Located points go above the ranges of their layer.
constexpr double kPointZOffset = 0.5;
} // namespace

CAnnotation2DObject::CAnnotation2DObject(CAnnotation2DModule* module)
    : m_module(module)
    , m_id(NextGraphicsItemId())
{
    if (QGraphicsScene* scene = module->Map()->GetScene()) {
        m_item = std::make_unique<CAnnotationItem>(this, module->Map());
        m_item->setVisible(false);
        scene->addItem(m_item.get());
    }
}

CAnnotation2DObject::~CAnnotation2DObject()
{
    m_item.reset();
    releaseFeature();
}

void CAnnotation2DObject::releaseFeature()
{
    if (m_ownsFeature) delete m_feature;
    m_feature = nullptr;
    m_ownsFeature = false;
}

void CAnnotation2DObject::SetName(const std::string& name)
{
    m_name = ConvertStdStringToQString(name, "GB18030");
    Relayout();
}

std::string CAnnotation2DObject::GetName() const
{
    return m_name.toLocal8Bit().toStdString();
}

void CAnnotation2DObject::SetMapLayer(IAnnotation2DMapLayer* layer)
{
    m_layer = m_module->OwnLayer(layer);
    Relayout();
    emit m_module->objectChanged(m_id);
}

bool CAnnotation2DObject::CreateFeature(int kind, const std::string& name)
{
    if (!CAnnotationFeature::IsKnownKind(kind)) return false;
    SetFeature(new CAnnotationFeature(kind, name), true);
    return true;
}

void CAnnotation2DObject::SetFeature(IAnnotationFeature* feature, bool takeOwnership)
{
    if (feature == m_feature) {
        m_ownsFeature = m_ownsFeature || takeOwnership;
        return;
    }
    releaseFeature();
    m_feature = feature;
    m_ownsFeature = feature && takeOwnership;
    Update();
}

IAnnotationFeature* CAnnotation2DObject::GetFeature() const
{
    return m_feature;
}

void CAnnotation2DObject::Prepare()
{
    Update();
}

void CAnnotation2DObject::Update()
{
    m_drawing = m_feature ? CAnnotationDrawing::FromFeature(*m_feature, m_item != nullptr)
                          : CAnnotationDrawing();
    Relayout();
    emit m_module->objectChanged(m_id);
}

void CAnnotation2DObject::Refresh()
{
    Relayout();
}

IOvGraphicsItem* CAnnotation2DObject::GetGraphicsItem()
{
    return this;
}

void CAnnotation2DObject::SetVisible(bool visible)
{
    if (visible == m_visible) return;
    m_visible = visible;
    Relayout();
    emit m_module->objectVisibilityChanged(m_id, visible);
}

void CAnnotation2DObject::SetPointFlag(bool isPoint)
{
    m_pointFlag = isPoint;
    Relayout();
}

bool CAnnotation2DObject::GetBoundingBox(CVector3D& min, CVector3D& max) const
{
    return m_feature && FeatureBounds(*m_feature, min, max);
}

bool CAnnotation2DObject::IsVisible() const
{
    return m_visible;
}

bool CAnnotation2DObject::GetPointFlag() const
{
    return m_pointFlag;
}

IAnnotation2DMapLayer* CAnnotation2DObject::GetMapLayer() const
{
    return m_layer;
}

int CAnnotation2DObject::GetId() const
{
    return m_id;
}

QString CAnnotation2DObject::LabelText() const
{
    return m_name.isEmpty() ? m_drawing.featureName : m_name;
}

void CAnnotation2DObject::ForgetLayer()
{
    m_layer = nullptr;
    Relayout();
}

void CAnnotation2DObject::Relayout()
{
    if (!m_item) return;
    const bool shown = m_visible && m_layer && m_drawing.HasPoints()
        && m_layer->ShowsAt(m_module->Map()->GetZoomLevel());
    m_item->setVisible(shown);
    if (!shown) return;
    m_item->setZValue(m_layer->GetZOrder() + (m_pointFlag ? kPointZOffset : 0.0));
    m_item->Relayout();
}
