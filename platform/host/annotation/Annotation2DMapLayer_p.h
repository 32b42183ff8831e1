#pragma once

#include "OvCoordSystem/host/annotation/IAnnotation2DMapLayer.h"

#include <functional>

// A layer of annotation objects: display settings and a z-order. It tells the module when its
// objects must be drawn again.
class CAnnotation2DMapLayer : public IAnnotation2DMapLayer
{
public:
    CAnnotation2DMapLayer(
        const std::string& name, std::function<void(CAnnotation2DMapLayer*)> changed);

    void SetMaxDisplayLevel(int level) override;
    void SetMinDisplayLevel(int level) override;
    void SetMaxLabelLevel(int level) override;
    void SetMinLabelLevel(int level) override;
    void SetVisible(bool visible) override;
    void SetLabelVisible(bool visible) override;
    void SetIconFixedSize(bool fixed) override;
    void SetZOrder(int zOrder) override;
    int GetZOrder() const override;
    void Commit() override;
    std::string GetName() const override;
    bool IsVisible() const override;
    bool IsIconFixedSize() const override;

    // Objects of the layer are drawn at this zoom level; their labels too.
    bool ShowsAt(int level) const;
    bool ShowsLabelsAt(int level) const;

private:
    struct Settings
    {
        int maxDisplay = 22;
        int minDisplay = 0;
        int maxLabel = 22;
        int minLabel = 0;
        bool visible = true;
        bool labelVisible = true;
        bool iconFixedSize = true;
    };

    std::string m_name;
    std::function<void(CAnnotation2DMapLayer*)> m_changed;
    Settings m_settings; // in effect
    Settings m_pending; // set, not yet committed
    int m_zOrder = 0;
};
