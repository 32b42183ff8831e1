#pragma once

#include "OvCoordSystem/host/annotation/AnnotationDrawing_p.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/graphics/IOvGraphicsItem.h"

#include <QString>

#include <memory>

class CAnnotation2DMapLayer;
class CAnnotation2DModule;
class CAnnotationItem;

// An annotation object; it is also its own graphics item (the id the graphics module binds to).
class CAnnotation2DObject : public IAnnotation2DObject, public IOvGraphicsItem
{
public:
    explicit CAnnotation2DObject(CAnnotation2DModule* module);
    ~CAnnotation2DObject() override;

    void SetName(const std::string& name) override;
    std::string GetName() const override;
    void SetMapLayer(IAnnotation2DMapLayer* layer) override;
    bool CreateFeature(int kind, const std::string& name) override;
    void SetFeature(IAnnotationFeature* feature, bool takeOwnership) override;
    IAnnotationFeature* GetFeature() const override;
    void Prepare() override;
    void Update() override;
    void Refresh() override;
    IOvGraphicsItem* GetGraphicsItem() override;
    void SetVisible(bool visible) override;
    void SetPointFlag(bool isPoint) override;
    bool GetBoundingBox(CVector3D& min, CVector3D& max) const override;
    bool IsVisible() const override;
    bool GetPointFlag() const override;
    IAnnotation2DMapLayer* GetMapLayer() const override;
    int GetId() const override;

    const CAnnotationDrawing& Drawing() const { return m_drawing; }
    CAnnotation2DMapLayer* Layer() const { return m_layer; }
    // The object's name, else its feature's.
    QString LabelText() const;
    // The view, the layer or the object changed: place, stack and show the item again.
    void Relayout();
    // The layer is going away.
    void ForgetLayer();

private:
    void releaseFeature();

    CAnnotation2DModule* m_module;
    int m_id;
    QString m_name;
    CAnnotation2DMapLayer* m_layer = nullptr;
    IAnnotationFeature* m_feature = nullptr;
    bool m_ownsFeature = false;
    bool m_visible = false;
    bool m_pointFlag = false;
    CAnnotationDrawing m_drawing;
    std::unique_ptr<CAnnotationItem> m_item; // null without a map view
};
