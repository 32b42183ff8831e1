#include "OvCoordSystem/host/map/OvMapModule_p.h"

#include "OvCoordSystem/host/MapTypes.h"
#include "OvCoordSystem/host/Tools.h"
#include "OvCoordSystem/host/events/StateEventObject.h"
#include "OvCoordSystem/host/map/MapGeodesy_p.h"
#include "OvCoordSystem/host/map/OvMapView_p.h"
#include "OvCoordSystem/host/map/ProcessWideModule_p.h"
#include "OvCoordSystem/host/map/TileMapLayer_p.h"

#include <QApplication>
#include <QGraphicsScene>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr int kBaseLayerZ = -20; // annotation layers use z-orders from 0 up
constexpr int kLabelLayerZ = -10;

int clampToInt(double v)
{
    return static_cast<int>(std::clamp(std::floor(v), double(INT_MIN), double(INT_MAX)));
}
} // namespace

IOvMapModule* GetGlobalOvMapModule()
{
    return ProcessWideModule<COvMapModule>::Get([] { return new COvMapModule; });
}

COvMapModule::COvMapModule()
    : m_mapType(MAP_OPENSTREETMAP)
{
    // Without a widget application (command-line tools) the module still measures and maps
    // coordinates; only the view and its scene are missing.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    m_scene = std::make_unique<QGraphicsScene>();
    m_scene->setSceneRect(QRectF(QPointF(0, 0), m_viewport.Size()));
    m_baseLayer = new CTileMapLayer(this, CTileMapLayer::BaseLayer);
    m_labelLayer = new CTileMapLayer(this, CTileMapLayer::LabelLayer);
    m_baseLayer->setZValue(kBaseLayerZ);
    m_labelLayer->setZValue(kLabelLayerZ);
    m_scene->addItem(m_baseLayer);
    m_scene->addItem(m_labelLayer);
    m_view = new COvMapView(this, m_scene.get());
    m_view->resize(m_viewport.Size());
}

COvMapModule::~COvMapModule()
{
    delete m_view.data();
}

IOvMapLayer* COvMapModule::GetMapLayer(const std::string& name)
{
    if (name == STR_TILE_MAP_LAYER_NAME) return m_baseLayer;
    if (name == STR_TILE_LABEL_LAYER_NAME) return m_labelLayer;
    return nullptr;
}

CStateEventSubject* COvMapModule::GetStateEventSubject()
{
    return &m_subject;
}

void COvMapModule::SetMapType(int mapType)
{
    if (mapType == m_mapType || !FindMapType(mapType)) return;
    m_mapType = mapType;
    if (m_view) m_view->setBackgroundBrush(SeaColor());
    if (m_scene) m_scene->update();
    emit mapTypeChanged();
}

int COvMapModule::GetMapType() const
{
    return m_mapType;
}

bool COvMapModule::NamesOnLabelLayer() const
{
    return Tools::isHaveLabel(m_mapType) && m_mapType != MAP_GOOGLE_EARTH
        && m_mapType != MAP_TIANDITU_IMAGE;
}

QColor COvMapModule::SeaColor() const
{
    return IsImageryMap() ? QColor(24, 40, 56) : QColor(170, 211, 223);
}

bool COvMapModule::IsImageryMap() const
{
    switch (m_mapType) {
    case MAP_GOOGLE_SATELLITE:
    case MAP_GOOGLE_SATELLITE_WGS84:
    case MAP_GOOGLE_EARTH:
    case MAP_AMAP_SATELLITE:
    case MAP_TIANDITU_IMAGE:
    case MAP_BAIDU_SATELLITE:
    case MAP_BING_SATELLITE:
    case MAP_ARCGIS_SATELLITE:
        return true;
    default:
        return m_mapType >= MAP_HISTORY_IMAGE_1 && m_mapType <= MAP_HISTORY_IMAGE_4;
    }
}

void COvMapModule::ScreenToWorld(double& x, double& y, int screenX, int screenY) const
{
    const QPointF p = m_viewport.ToLngLat(QPointF(screenX + 0.5, screenY + 0.5));
    x = p.x();
    y = p.y();
}

bool COvMapModule::WorldToScreen(int& screenX, int& screenY, double x, double y) const
{
    if (std::isnan(x) || std::isnan(y)) {
        screenX = screenY = 0;
        return false;
    }
    const QPointF p = m_viewport.ToScreen(x, y);
    screenX = clampToInt(p.x());
    screenY = clampToInt(p.y());
    return true;
}

double COvMapModule::CalcDistance(double x1, double y1, double x2, double y2) const
{
    return mapgeodesy::Distance(x1, y1, x2, y2);
}

double COvMapModule::CalcArea(const std::vector<CVector3D>& ring) const
{
    return mapgeodesy::RingArea(ring);
}

void COvMapModule::AddEventHandler(IOvMapEventHandler* handler)
{
    if (handler && !isHandler(handler)) m_handlers.push_back(handler);
}

void COvMapModule::RemoveEventHandler(IOvMapEventHandler* handler)
{
    m_handlers.erase(std::remove(m_handlers.begin(), m_handlers.end(), handler), m_handlers.end());
}

bool COvMapModule::isHandler(IOvMapEventHandler* handler) const
{
    return std::find(m_handlers.begin(), m_handlers.end(), handler) != m_handlers.end();
}

QWidget* COvMapModule::GetMapWidget()
{
    return m_view;
}

QGraphicsScene* COvMapModule::GetScene()
{
    return m_scene.get();
}

void COvMapModule::SetCenter(double x, double y)
{
    SetView(x, y, m_viewport.Level());
}

void COvMapModule::GetCenter(double& x, double& y) const
{
    x = m_viewport.Center().x();
    y = m_viewport.Center().y();
}

void COvMapModule::SetZoomLevel(int level)
{
    SetView(m_viewport.Center().x(), m_viewport.Center().y(), level);
}

int COvMapModule::GetZoomLevel() const
{
    return m_viewport.Level();
}

void COvMapModule::SetView(double x, double y, int level)
{
    m_viewport.SetCenter(x, y);
    m_viewport.SetLevel(level);
    changed();
}

int COvMapModule::GetViewWidth() const
{
    return m_viewport.Size().width();
}

int COvMapModule::GetViewHeight() const
{
    return m_viewport.Size().height();
}

void COvMapModule::ResizeView(int width, int height)
{
    const QSize size(std::max(width, 1), std::max(height, 1));
    // A hidden widget gets its resize event only when shown: take the size at once.
    if (m_view) m_view->resize(size);
    ViewResized(size);
}

void COvMapModule::SetBaseMapProvider(MapBaseProvider provider)
{
    m_provider = std::move(provider);
    m_baseFeaturesStale = true;
    if (m_scene) m_scene->update();
}

const std::vector<tagMapBaseFeature>& COvMapModule::BaseFeatures()
{
    if (m_baseFeaturesStale) {
        m_baseFeatures.clear();
        if (m_provider) m_baseFeatures = m_provider(m_viewport.VisibleBox(), m_viewport.Level());
        m_baseFeaturesStale = false;
    }
    return m_baseFeatures;
}

void COvMapModule::PanBy(double dx, double dy)
{
    m_viewport.PanBy(dx, dy);
    changed();
}

void COvMapModule::ZoomAt(int level, const QPointF& screen)
{
    m_viewport.ZoomAt(level, screen);
    changed();
}

void COvMapModule::ViewResized(const QSize& size)
{
    if (size == m_viewport.Size() || size.isEmpty()) return;
    m_viewport.SetSize(size);
    if (m_scene) m_scene->setSceneRect(QRectF(QPointF(0, 0), size));
    if (m_baseLayer) m_baseLayer->ViewResized();
    if (m_labelLayer) m_labelLayer->ViewResized();
    changed();
}

void COvMapModule::changed()
{
    m_baseFeaturesStale = true;
    if (m_scene) m_scene->update();
    emit viewChanged();
    m_subject.Notify(CStateEventObject(STATE_TYPE_MAP_VIEW, MAP_VIEW_EVENT_CHANGED));
}
