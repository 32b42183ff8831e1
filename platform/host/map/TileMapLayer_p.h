#pragma once

#include "OvCoordSystem/host/map/IOvTileMapLayer.h"

#include <QGraphicsItem>

class COvMapModule;

// One of the two tile layers, drawn as a scene item over the whole view: the base layer draws
// the provider's areas and their outlines, the label layer their names. Names are drawn by the
// layer that carries them for the current map type (COvMapModule::NamesOnLabelLayer), while
// both its titles and its labels are shown.
class CTileMapLayer : public QGraphicsItem, public IOvTileMapLayer
{
public:
    enum Role
    {
        BaseLayer,
        LabelLayer
    };
    CTileMapLayer(COvMapModule* module, Role role);

    std::string GetName() const override;
    void SetVisible(bool visible) override;
    bool IsVisible() const override;
    void Redraw() override;
    void SetTitleShown(bool shown) override;
    void SetLabelShown(bool shown) override;
    bool IsTitleShown() const override { return m_titleShown; }
    bool IsLabelShown() const override { return m_labelShown; }

    // Whether this layer draws names now.
    bool DrawsNames() const;
    // The view changed size: the layer covers it again.
    void ViewResized();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    void paintAreas(QPainter* painter) const;
    void paintNames(QPainter* painter) const;

    COvMapModule* m_module;
    Role m_role;
    bool m_visible = true;
    bool m_titleShown = true; // as drawn (taken from the pending values by Redraw)
    bool m_labelShown = true;
    bool m_pendingTitleShown = true;
    bool m_pendingLabelShown = true;
    QRectF m_rect;
};
