#pragma once

#include "OvCoordSystem/host/map/IOvMapLayer.h"

// Names of the map view's two tile layers: the base map (division boundaries and, when titles
// are shown, their names) and the label layer drawn over it (the names alone).
constexpr const char* STR_TILE_MAP_LAYER_NAME = "__ov_tile_map_layer__";
constexpr const char* STR_TILE_LABEL_LAYER_NAME = "__ov_tile_label_layer__";

// A tile layer of the map view. Shown/hidden names take effect on the next Redraw.
class OVPLATFORM_EXPORT IOvTileMapLayer : public IOvMapLayer
{
public:
    ~IOvTileMapLayer() override;
    // Draws the layer again with its current settings.
    virtual void Redraw() = 0;
    // Names of the divisions drawn by the base layer itself.
    virtual void SetTitleShown(bool shown) = 0;
    // Names drawn as labels (the label layer's content).
    virtual void SetLabelShown(bool shown) = 0;
    virtual bool IsTitleShown() const = 0;
    virtual bool IsLabelShown() const = 0;
};
