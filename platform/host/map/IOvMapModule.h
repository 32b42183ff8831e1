#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/host/Vector3D.h"
#include "OvCoordSystem/host/map/MapBaseFeature.h"

#include <string>
#include <vector>

class CStateEventSubject;
class IOvMapEventHandler;
class IOvMapLayer;
class QGraphicsScene;
class QWidget;

// The host's map: a Web Mercator view of 256-pixel tiles (zoom level z spans 256·2^z pixels
// around the world), centred on a longitude/latitude (WGS84 degrees). Map coordinates are
// x = longitude and y = latitude in degrees; latitudes are limited to the Web Mercator range
// ±85.0511287798066°. Screen coordinates are pixels of the view, (0, 0) at its top-left corner.
// Every change of the view (pan, zoom, resize, centring) notifies the state observers with
// STATE_TYPE_MAP_VIEW (1622) and MAP_VIEW_EVENT_CHANGED (2).
class OVPLATFORM_EXPORT IOvMapModule
{
public:
    virtual ~IOvMapModule();

    // The layer of that name (STR_TILE_MAP_LAYER_NAME or STR_TILE_LABEL_LAYER_NAME); null for
    // another name. The module keeps ownership.
    virtual IOvMapLayer* GetMapLayer(const std::string& name) = 0;
    virtual CStateEventSubject* GetStateEventSubject() = 0;
    // ENUM_MAP_TYPE; an unknown type is refused (the type stays).
    virtual void SetMapType(int mapType) = 0;
    virtual int GetMapType() const = 0;
    // Map coordinates (degrees) of the centre of the pixel (screenX, screenY).
    virtual void ScreenToWorld(double& x, double& y, int screenX, int screenY) const = 0;
    // The pixel holding the map point (x longitude, y latitude, degrees); ScreenToWorld of that
    // pixel and back gives the same pixel. NaN gives pixel (0, 0) and false.
    virtual bool WorldToScreen(int& screenX, int& screenY, double x, double y) const = 0;
    // Geodesic distance on the WGS84 ellipsoid between (x1, y1) and (x2, y2) (longitude,
    // latitude in degrees), in metres; NaN when a coordinate is NaN or a latitude outside ±90.
    virtual double CalcDistance(double x1, double y1, double x2, double y2) const = 0;
    // Geodesic area on the WGS84 ellipsoid of the ring through the points (x longitude, y
    // latitude in degrees; closed implicitly, edges are geodesics), in square metres, always
    // positive. Points with a NaN coordinate are skipped; fewer than three points give 0.
    virtual double CalcArea(const std::vector<CVector3D>& ring) const = 0;
    // The handler receives the view's input events until removed; the module does not own it.
    virtual void AddEventHandler(IOvMapEventHandler* handler) = 0;
    virtual void RemoveEventHandler(IOvMapEventHandler* handler) = 0;

    // The map view widget for the host to embed (reparent it); null without a QApplication.
    virtual QWidget* GetMapWidget() = 0;
    // The scene of the map view, whose coordinates are the view's pixels; null without a view.
    virtual QGraphicsScene* GetScene() = 0;
    // Centres the view on (x longitude, y latitude, degrees).
    virtual void SetCenter(double x, double y) = 0;
    virtual void GetCenter(double& x, double& y) const = 0;
    // Zoom level, limited to 0..22.
    virtual void SetZoomLevel(int level) = 0;
    virtual int GetZoomLevel() const = 0;
    // Centre and zoom level at once (one notification).
    virtual void SetView(double x, double y, int level) = 0;
    // Size of the view in pixels; without a widget, the size set by ResizeView (800 × 600).
    virtual int GetViewWidth() const = 0;
    virtual int GetViewHeight() const = 0;
    virtual void ResizeView(int width, int height) = 0;
    // Source of the vector base map; an empty function leaves the base map blank.
    virtual void SetBaseMapProvider(MapBaseProvider provider) = 0;
};

// The process-wide map module, created on first call.
OVPLATFORM_EXPORT IOvMapModule* GetGlobalOvMapModule();
