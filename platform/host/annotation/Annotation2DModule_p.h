#pragma once

#include "OvCoordSystem/host/annotation/IAnnotation2DModule.h"

#include <QObject>

#include <memory>
#include <vector>

class CAnnotation2DMapLayer;
class CAnnotation2DObject;
class COvMapModule;

// The 2D annotation module: owns the layers and objects, redraws them when the view changes and
// tells the graphics module when an object changes.
class CAnnotation2DModule : public QObject, public IAnnotation2DModule
{
    Q_OBJECT
public:
    explicit CAnnotation2DModule(COvMapModule* map);
    ~CAnnotation2DModule() override;

    IAnnotation2DMapLayer* CreateMapLayer(const std::string& name) override;
    void DestroyMapLayer(IAnnotation2DMapLayer* layer) override;
    IAnnotation2DObject* CreateObject() override;
    void DestroyObject(IAnnotation2DObject* object) override;
    void FocusObject(IAnnotation2DObject* object, int level) override;
    IAnnotation2DObject* FindObject(int graphicsItemId) const override;
    int GetObjectCount() const override;

    COvMapModule* Map() const { return m_map; }
    // The module's own layer behind an interface pointer; null for anything else.
    CAnnotation2DMapLayer* OwnLayer(IAnnotation2DMapLayer* layer) const;

signals:
    // Geometry, styles or layer of the object changed.
    void objectChanged(int id);
    void objectVisibilityChanged(int id, bool visible);
    // Emitted while the object still exists.
    void objectDestroyed(int id);

private:
    void relayout(const CAnnotation2DMapLayer* layer);

    COvMapModule* m_map;
    std::vector<std::unique_ptr<CAnnotation2DMapLayer>> m_layers;
    std::vector<std::unique_ptr<CAnnotation2DObject>> m_objects;
};
