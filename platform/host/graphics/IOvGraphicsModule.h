#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>
#include <vector>

class IAnnotation2DMapLayer;
class IOvSceneItem;

// Widgets placed in the map view's scene. The module owns the scene items.
class OVPLATFORM_EXPORT IOvGraphicsModule
{
public:
    virtual ~IOvGraphicsModule();

    // Frees the item and its widget; null or an unknown item is ignored.
    virtual void RemoveSceneItem(IOvSceneItem* item) = 0;
    // A new hidden scene item named name (GB18030) above layer's objects (z-order + 1 until
    // SetZValue); layer may be null.
    virtual IOvSceneItem* CreateSceneItem(const std::string& name, IAnnotation2DMapLayer* layer)
        = 0;
    // The item follows the annotation objects with those graphics item ids: when their geometry
    // changes it moves with their anchor, keeping its offset, and it is hidden while none of them
    // is visible or they are all gone. An empty list unbinds it.
    virtual void BindSceneItem(IOvSceneItem* item, const std::vector<int>& ids) = 0;

    // The ids the item is bound to.
    virtual std::vector<int> GetBoundIds(IOvSceneItem* item) const = 0;
    virtual int GetSceneItemCount() const = 0;
};

// The process-wide graphics module, created on first call.
OVPLATFORM_EXPORT IOvGraphicsModule* GetGlobalOvGraphicsModule();
