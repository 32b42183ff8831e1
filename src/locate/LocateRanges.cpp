#include "OvCoordSystem/locate/Locate.h"

#include "OvCoordSystem/host/annotation/FeatureBrushStyle.h"
#include "OvCoordSystem/host/annotation/FeatureLabelStyle.h"
#include "OvCoordSystem/host/annotation/FeaturePenStyle.h"
#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DModule.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/graphics/IOvGraphicsModule.h"
#include "OvCoordSystem/host/graphics/IOvSceneItem.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"
#include "OvCoordSystem/locate/LocateHost_p.h"

QList<QPolygonF> CLocate::QueryRegionList(const QString& code, bool downloadStyle)
{
    if (!m_pAnnotation2DModule || !m_pSearchModule || code == QLatin1String("-1")) return {};
    DestroyCurrentObject();
    IAnnotationFeature* feature = m_pSearchModule->QueryDivision(ToHostText(code), 1);
    if (!feature) return {};
    m_pCurrentObject = NewObject(feature);
    if (downloadStyle) {
        ChangeStyleAsDownload(m_pCurrentObject);
        m_pCurrentObject->Update();
        m_pCurrentObject->Refresh();
    }
    return GetCurrentDivision();
}

IAnnotation2DObject* CLocate::GetAnnotation2DObject(const QString& code, const QString& name)
{
    if (!m_pAnnotation2DModule || !m_pSearchModule) return nullptr;
    IAnnotationFeature* feature = m_pSearchModule->QueryDivision(ToHostText(code), 1);
    if (!feature) return nullptr;
    IAnnotation2DObject* object = NewObject(feature);
    object->SetName(ToHostText(name));
    return object;
}

bool CLocate::CreateDownRanges(std::vector<IAnnotation2DObject*> objects)
{
    if (!m_pAnnotation2DModule) return false;
    if (!NewCurrentObject(ANNOTATION_FEATURE_RANGE, QStringLiteral("下载范围"))) return false;
    for (IAnnotation2DObject* object : objects)
        if (object) object->SetVisible(false);
    ChangeStyleAsDownload(m_pCurrentObject);
    m_pCurrentObject->Update();
    m_pCurrentObject->Refresh();
    m_pCurrentObject->SetVisible(true);
    m_pAnnotation2DModule->FocusObject(m_pCurrentObject, kRangeFocusLevel);
    LoadingDownloadButtonIntoScene();
    return true;
}

bool CLocate::GetDownRange(
    IAnnotationFeature* target, IAnnotation2DObject* source, QList<QPolygonF>& out)
{
    IAnnotationFeature* feature = source ? source->GetFeature() : nullptr;
    if (!feature) return false;
    const int count = feature->GetGeometryCount();
    for (int i = 0; i < count; ++i) {
        CGeometryData part;
        if (!feature->GetGeometry(part, i)) continue;
        if (target) target->AddGeometry(part);
        out.append(PartPolygon(part));
    }
    return true;
}

QList<QPolygonF> CLocate::GetCurrentDivision()
{
    QList<QPolygonF> polygons;
    GetDownRange(nullptr, m_pCurrentObject, polygons);
    return polygons;
}

double CLocate::GetArea()
{
    if (!m_pMapModule || !m_pCurrentObject || !m_pCurrentObject->GetFeature()) return 0.0;
    return GetArea(GetCurrentDivision());
}

double CLocate::GetArea(const QList<QPolygonF>& polygons)
{
    double area = 0.0;
    for (const QPolygonF& polygon : polygons)
        area += GetArea(QList<QPointF>(polygon.begin(), polygon.end()));
    return area;
}

double CLocate::GetArea(const QList<QPointF>& points)
{
    if (!m_pMapModule) return 0.0;
    std::vector<CVector3D> ring;
    ring.reserve(static_cast<size_t>(points.size()));
    for (const QPointF& point : points)
        ring.emplace_back(point.x(), point.y(), 0.0);
    return m_pMapModule->CalcArea(ring);
}

double CLocate::CalculateDistance(QPointF a, QPointF b)
{
    return m_pMapModule ? m_pMapModule->CalcDistance(a.x(), a.y(), b.x(), b.y()) : 0.0;
}

void CLocate::DestroyCurrent2DObject()
{
    DestroyCurrentObject();
    if (m_pSceneItem) m_pSceneItem->SetVisible(false);
}

void CLocate::ClearMapLocate()
{
    DestroyCurrentObject();
    RemoveToolBar();
}

bool CLocate::DownRange(const QString& code, const QString& name)
{
    Location(code, name, false);
    emit SigDownRange();
    return true;
}

void CLocate::DownRange(IAnnotation2DObject* object, int mapType)
{
    m_pCurrentObject = object;
    if (object) m_strCityName = QString::fromLocal8Bit(object->GetName().c_str());
    if (m_pMapModule) m_pMapModule->SetMapType(mapType);
}

void CLocate::ChangeStyleAsDownload(IAnnotation2DObject* object)
{
    IAnnotationFeature* feature = object ? object->GetFeature() : nullptr;
    if (!feature) return;
    if (auto* brush = FirstStyle<CFeatureBrushStyle>(feature, FEATURE_STYLE_BRUSH)) {
        brush->SetBackgroundColor(QColor(0, 0, 255, 32));
        brush->SetForegroundColor(QColor(0, 0, 255, 32));
    }
    if (auto* pen = FirstStyle<CFeaturePenStyle>(feature, FEATURE_STYLE_PEN)) {
        pen->SetWidth(2.0);
        pen->SetColor(QColor(255, 0, 0, 255));
    }
    if (auto* label = FirstStyle<CFeatureLabelStyle>(feature, FEATURE_STYLE_LABEL)) {
        label->SetForegroundColor(Qt::red);
        label->SetOutLineColor(Qt::white);
    }
}

CVector3D CLocate::CalcOffsetPos(int dx, int dy, const CVector3D& position)
{
    if (!m_pMapModule) return CVector3D();
    int px = 0;
    int py = 0;
    m_pMapModule->WorldToScreen(px, py, position.x, position.y);
    double x = 0.0;
    double y = 0.0;
    m_pMapModule->ScreenToWorld(x, y, px + dx, py + dy);
    return CVector3D(x, y, 0.0);
}
