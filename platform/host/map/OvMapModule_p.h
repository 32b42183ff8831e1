#pragma once

#include "OvCoordSystem/host/events/StateEventSubject.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/map/MapViewport_p.h"

#include <QColor>
#include <QObject>
#include <QPointer>

#include <memory>

class COvMapView;
class CTileMapLayer;

// The map module: the viewport, the view widget with its scene, the two tile layers, the
// observers and event handlers.
class COvMapModule : public QObject, public IOvMapModule
{
    Q_OBJECT
public:
    COvMapModule();
    ~COvMapModule() override;

    IOvMapLayer* GetMapLayer(const std::string& name) override;
    CStateEventSubject* GetStateEventSubject() override;
    void SetMapType(int mapType) override;
    int GetMapType() const override;
    void ScreenToWorld(double& x, double& y, int screenX, int screenY) const override;
    bool WorldToScreen(int& screenX, int& screenY, double x, double y) const override;
    double CalcDistance(double x1, double y1, double x2, double y2) const override;
    double CalcArea(const std::vector<CVector3D>& ring) const override;
    void AddEventHandler(IOvMapEventHandler* handler) override;
    void RemoveEventHandler(IOvMapEventHandler* handler) override;
    QWidget* GetMapWidget() override;
    QGraphicsScene* GetScene() override;
    void SetCenter(double x, double y) override;
    void GetCenter(double& x, double& y) const override;
    void SetZoomLevel(int level) override;
    int GetZoomLevel() const override;
    void SetView(double x, double y, int level) override;
    int GetViewWidth() const override;
    int GetViewHeight() const override;
    void ResizeView(int width, int height) override;
    void SetBaseMapProvider(MapBaseProvider provider) override;

    const CMapViewport& Viewport() const { return m_viewport; }
    // Screen position (fractional pixels) of a map point.
    QPointF ToScreen(double x, double y) const { return m_viewport.ToScreen(x, y); }
    // The provider's areas for the current view, asked for once per view.
    const std::vector<tagMapBaseFeature>& BaseFeatures();
    // The label layer draws the names for this map type; otherwise the base layer does.
    bool NamesOnLabelLayer() const;
    // Map types whose base is imagery are drawn dark.
    bool IsImageryMap() const;
    // Colour of the view behind the base map's areas.
    QColor SeaColor() const;

    // Called by the view: the handlers first, in order; true when one handled the event.
    template <typename Event>
    bool DispatchToHandlers(bool (IOvMapEventHandler::*f)(Event*), Event* e)
    {
        const std::vector<IOvMapEventHandler*> handlers = m_handlers;
        for (IOvMapEventHandler* handler : handlers)
            if (isHandler(handler) && (handler->*f)(e)) return true;
        return false;
    }
    void PanBy(double dx, double dy);
    void ZoomAt(int level, const QPointF& screen);
    void ViewResized(const QSize& size);

signals:
    // The view moved or changed size; emitted before the state observers hear of it.
    void viewChanged();
    // The map type changed.
    void mapTypeChanged();

private:
    bool isHandler(IOvMapEventHandler* handler) const;
    void changed();

    CMapViewport m_viewport;
    CStateEventSubject m_subject;
    std::vector<IOvMapEventHandler*> m_handlers;
    int m_mapType;
    MapBaseProvider m_provider;
    std::vector<tagMapBaseFeature> m_baseFeatures;
    bool m_baseFeaturesStale = true;
    std::unique_ptr<QGraphicsScene> m_scene;
    QPointer<COvMapView> m_view;
    CTileMapLayer* m_baseLayer = nullptr; // owned by the scene
    CTileMapLayer* m_labelLayer = nullptr;
};
