#include "OvCoordSystem/locate/Locate.h"

#include "OvCoordSystem/coord/CoordValid.h"
#include "OvCoordSystem/host/Tools.h"
#include "OvCoordSystem/host/annotation/FeatureBrushStyle.h"
#include "OvCoordSystem/host/annotation/FeatureIconStyle.h"
#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DMapLayer.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DModule.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/annotation/IAnnotationModule.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/host/events/StateEventObject.h"
#include "OvCoordSystem/host/events/StateEventSubject.h"
#include "OvCoordSystem/host/graphics/IOvGraphicsModule.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/map/IOvTileMapLayer.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"
#include "OvCoordSystem/host/widgets/MessageBox.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/locate/LocateHost_p.h"
#include "OvCoordSystem/locate/LocationThread_p.h"
#include "OvCoordSystem/locate/TypedCoordinate_p.h"

#include <QWidget>

namespace {
const char kAnnotationLayerName[] = "__ovlocate__.annotation_layer__";
const int kAnnotationLayerZOrder = 600;
const int kQuerySeconds = 5;
const int kPointFocusLevel = 14;

// The window of the parent's window: where the host wants the locator's message boxes.
QWidget* dialogParentOf(QWidget* parent)
{
    QWidget* widget = parent;
    if (widget) widget = widget->parentWidget();
    if (widget) widget = widget->window();
    if (widget) widget = widget->parentWidget();
    if (widget) widget = widget->window();
    return widget;
}
} // namespace

CLocate::CLocate(QWidget* parent)
    : QObject(parent)
{
    m_pMapModule = GetGlobalOvMapModule();
    if (m_pMapModule) {
        m_pMapModule->AddEventHandler(this);
        if (CStateEventSubject* subject = m_pMapModule->GetStateEventSubject())
            subject->AddObserver(this);
    }
    m_pAnnotationModule = GetOrCreateAnnotationModule();
    m_pAnnotation2DModule = GetOrCreateAnnotation2DModule();
    m_pSearchModule = GetOrCreateLocationDataSearchModule();
    m_pGraphicsModule = GetGlobalOvGraphicsModule();
    m_pLocationThread = new CLocationThread(this);

    if (m_pAnnotation2DModule) {
        m_pAnnotationLayer = m_pAnnotation2DModule->CreateMapLayer(kAnnotationLayerName);
        if (m_pAnnotationLayer) {
            m_pAnnotationLayer->SetMaxDisplayLevel(21);
            m_pAnnotationLayer->SetMinDisplayLevel(0);
            m_pAnnotationLayer->SetMaxLabelLevel(20);
            m_pAnnotationLayer->SetMinLabelLevel(6);
            m_pAnnotationLayer->SetVisible(true);
            m_pAnnotationLayer->SetLabelVisible(true);
            m_pAnnotationLayer->SetIconFixedSize(true);
            m_pAnnotationLayer->SetZOrder(kAnnotationLayerZOrder);
            m_pAnnotationLayer->Commit();
        }
    }
    m_pDialogParent = dialogParentOf(parent);
}

CLocate::~CLocate()
{
    // A division query still running must not outlive what it reports to.
    m_pLocationThread->wait();
    RemoveToolBar();
    DestroyCurrentObject();
    if (m_pAnnotation2DModule && m_pAnnotationLayer)
        m_pAnnotation2DModule->DestroyMapLayer(m_pAnnotationLayer);
    m_pAnnotationLayer = nullptr;
    if (m_pMapModule) {
        m_pMapModule->RemoveEventHandler(this);
        if (CStateEventSubject* subject = m_pMapModule->GetStateEventSubject())
            subject->RemoveObserver(this);
    }
    delete m_pWaitingBox;
    m_pWaitingBox = nullptr;
}

ENUM_MAP_TYPE CLocate::GetCurrentMapType() const
{
    return static_cast<ENUM_MAP_TYPE>(m_pMapModule ? m_pMapModule->GetMapType() : 0);
}

void CLocate::DestroyCurrentObject()
{
    if (m_pCurrentObject && m_pAnnotation2DModule)
        m_pAnnotation2DModule->DestroyObject(m_pCurrentObject);
    m_pCurrentObject = nullptr;
}

IAnnotationFeature* CLocate::NewCurrentObject(int kind, const QString& name)
{
    DestroyCurrentObject();
    m_pCurrentObject = m_pAnnotation2DModule->CreateObject();
    m_pCurrentObject->SetMapLayer(m_pAnnotationLayer);
    m_pCurrentObject->CreateFeature(kind, ToHostText(name));
    m_pCurrentObject->Prepare();
    return m_pCurrentObject->GetFeature();
}

IAnnotation2DObject* CLocate::NewObject(IAnnotationFeature* feature)
{
    IAnnotation2DObject* object = m_pAnnotation2DModule->CreateObject();
    object->SetMapLayer(m_pAnnotationLayer);
    object->SetFeature(feature, true);
    object->Prepare();
    return object;
}

bool CLocate::Location(const QString& text, E_DEGREE_FOARMAT format)
{
    if (!CCoordValid::GetInstance()->IsValid(text, format)) {
        ZuMessageBox::information(m_pDialogParent, QStringLiteral("坐标不正确!"), kOkButton);
        return false;
    }
    TypedCoordinate point;
    if (!ReadTypedCoordinate(text, format, &point)) return false;
    Locate(point.title, point.x, point.y, 0.0);
    return true;
}

void CLocate::Locate(const QString& title, double x, double y, double)
{
    if (!m_pAnnotation2DModule) return;
    m_strPointTitle = title;
    IAnnotationFeature* feature = NewCurrentObject(ANNOTATION_FEATURE_POINT, title);
    if (!feature) return;
    if (auto* icon = FirstStyle<CFeatureIconStyle>(feature, FEATURE_STYLE_ICON))
        icon->SetIconUrl(":/Resource/LocationSearch/44.png");
    CGeometryData point(GEOMETRY_DATA_TYPE_POINT);
    point.PushBack(CVector3D(x, y, 0.0));
    feature->AddGeometry(point);
    ChangeStyleAsDownload(m_pCurrentObject);
    m_pCurrentObject->Update();
    m_pCurrentObject->Refresh();
    m_pCurrentObject->SetVisible(true);
    m_pCurrentObject->SetPointFlag(true);
    m_pAnnotation2DModule->FocusObject(m_pCurrentObject, kPointFocusLevel);
}

void CLocate::DestroyPointModule()
{
    if (m_strPointTitle.isEmpty()) return;
    DestroyCurrentObject();
    m_strPointTitle.clear();
}

bool CLocate::Location(const QString& code, const QString& name, bool show)
{
    if (!m_pAnnotation2DModule || !m_pAnnotationLayer || !m_pSearchModule) return false;
    if (name == m_strCityName) {
        if (!show) return false;
        if (m_pCurrentObject) {
            m_pCurrentObject->SetVisible(true);
            m_pAnnotation2DModule->FocusObject(m_pCurrentObject, kRangeFocusLevel);
            LoadingDownloadButtonIntoScene();
        }
        return true;
    }
    if (code == QLatin1String("-1")) return false;
    IAnnotationFeature* feature
        = m_pLocationThread->Query(code, kQuerySeconds) ? m_pLocationThread->GetResult() : nullptr;
    if (!feature) {
        OvLogError(-1) << QStringLiteral("请求区划范围 ") << name << QStringLiteral(" 失败");
        return false;
    }
    DestroyCurrentObject();
    m_pCurrentObject = NewObject(feature);
    m_pCurrentObject->SetName(ToHostText(name));
    ChangeStyleAsDownload(m_pCurrentObject);
    m_pCurrentObject->Update();
    m_pCurrentObject->Refresh();
    m_pCurrentObject->SetVisible(show);
    m_strCityKey = code;
    m_strCityName = name;
    if (show) {
        m_pAnnotation2DModule->FocusObject(m_pCurrentObject, kRangeFocusLevel);
        LoadingDownloadButtonIntoScene();
    }
    return true;
}

void CLocate::UpdateGeoExtent(const QString& name, EXTENT extent, bool withToolBar)
{
    if (!m_pAnnotation2DModule) return;
    IAnnotationFeature* feature = NewCurrentObject(ANNOTATION_FEATURE_EXTENT, name);
    if (!feature) {
        ZuMessageBox::information(m_pDialogParent, QStringLiteral("创建区域失败！"), kOkButton);
        return;
    }
    if (withToolBar) {
        if (auto* brush = FirstStyle<CFeatureBrushStyle>(feature, FEATURE_STYLE_BRUSH)) {
            brush->SetForegroundColor(QColor(247, 122, 61, 255));
            brush->SetBackgroundColor(QColor(139, 139, 139, 50));
        }
        LoadingDownloadButtonIntoScene(
            name, QRectF(QPointF(extent.dX1, extent.dY1), QPointF(extent.dX2, extent.dY2)));
    } else {
        CGeometryData ring(GEOMETRY_DATA_TYPE_POLYGON);
        ring.PushBack(CVector3D(extent.dX1, extent.dY2, 0.0));
        ring.PushBack(CVector3D(extent.dX2, extent.dY2, 0.0));
        ring.PushBack(CVector3D(extent.dX1, extent.dY1, 0.0));
        ring.PushBack(CVector3D(extent.dX2, extent.dY1, 0.0));
        feature->AddGeometry(ring);
        m_pCurrentObject->Update();
        m_pCurrentObject->Refresh();
    }
    m_pCurrentObject->SetVisible(true);
}

void CLocate::LocateToExtent(const QString& name, EXTENT extent, bool withToolBar)
{
    UpdateGeoExtent(name, extent, withToolBar);
    if (m_pAnnotation2DModule && m_pCurrentObject)
        m_pAnnotation2DModule->FocusObject(m_pCurrentObject, kRangeFocusLevel);
}

QPointF CLocate::GetLocalISPPosition() const
{
    if (!m_pSearchModule) return QPointF();
    CVector3D position;
    m_pSearchModule->GetLocalPosition(position);
    return QPointF(position.x, position.y);
}

void CLocate::SetTitleVisible(bool visible)
{
    if (!m_pMapModule) return;
    const int mapType = m_pMapModule->GetMapType();
    // Google Earth and Tianditu imagery have a label layer that is not used.
    const bool labelLayer = Tools::isHaveLabel(mapType) && mapType != MAP_GOOGLE_EARTH
        && mapType != MAP_TIANDITU_IMAGE;
    auto* layer = dynamic_cast<IOvTileMapLayer*>(m_pMapModule->GetMapLayer(
        labelLayer ? STR_TILE_LABEL_LAYER_NAME : STR_TILE_MAP_LAYER_NAME));
    if (!layer) return;
    layer->SetTitleShown(visible);
    layer->SetLabelShown(visible);
    layer->Redraw();
}

bool CLocate::OnStateChanged(const CStateEventObject& event)
{
    if (event.GetStateType() == STATE_TYPE_MAP_VIEW
        && event.GetEventCode() == MAP_VIEW_EVENT_CHANGED && m_bToolBarShown)
        LoadingDownloadButtonIntoScene();
    return false;
}
