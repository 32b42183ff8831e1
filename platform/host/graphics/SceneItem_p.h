#pragma once

#include "OvCoordSystem/host/Vector3D.h"
#include "OvCoordSystem/host/graphics/IOvSceneItem.h"

#include <QPointF>
#include <QPointer>

class COvMapModule;
class QGraphicsProxyWidget;

// A scene item: a proxy of its widget in the map's scene, placed at its map position (or at a
// pixel offset from the anchor of the objects it is bound to).
class CSceneItem : public IOvSceneItem
{
public:
    CSceneItem(const std::string& name, COvMapModule* map, int z);
    ~CSceneItem() override;

    int GetId() const override;
    void SetZValue(int z) override;
    void SetScreenFixed(bool fixed) override;
    void SetVisible(bool visible) override;
    void SetPosition(const CVector3D& position) override;
    void SetSize(int width, int height) override;
    void SetWidget(QWidget* widget) override;
    std::string GetName() const override;
    QWidget* GetWidget() const override;
    bool IsVisible() const override;
    CVector3D GetPosition() const override;
    void GetScreenRect(int& x, int& y, int& width, int& height) const override;

    // Follows an anchor (map point) at the current pixel offset from it; null position unbinds.
    void Follow(const CVector3D* anchor);
    // The anchor moved: keep the offset.
    void MoveAnchor(const CVector3D& anchor);
    // Places the proxy for the current view.
    void Relayout();

private:
    QPointF screenPosition() const;

    std::string m_name;
    COvMapModule* m_map;
    int m_id;
    int m_z;
    bool m_screenFixed = true;
    int m_referenceLevel = 0;
    bool m_visible = false;
    CVector3D m_position;
    int m_width = 0;
    int m_height = 0;
    bool m_following = false;
    CVector3D m_anchor;
    QPointF m_offset; // pixels from the anchor while following
    QPointer<QWidget> m_widget;
    QGraphicsProxyWidget* m_proxy = nullptr; // owned by the scene
};
