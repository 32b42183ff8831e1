#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/widgets/savers/TileNamePattern.h"

#include <QString>

#include <vector>

// One entry of a tile-naming preview: a folder with its entries, or an image file.
struct TilePreviewNode
{
    QString text;
    bool folder = false;
    std::vector<TilePreviewNode> children;
};

// The folders and files PATTERN gives for the first LEVELS levels of a global tile pyramid
// (level L has 2^(L-1) columns and rows), each tile named by CTileNamePattern::TilePath with
// ".jpg". Tiles are visited level by level, rows in the outer loop and columns in the inner one;
// entries keep the order in which they first appear, and a folder or file that several tiles
// name appears once, as it would on disk. Empty without a level variable. LEVELS is clamped to
// 0..kMaxPreviewLevels.
OVCOORD_EXPORT std::vector<TilePreviewNode> BuildTilePreview(
    const CTileNamePattern& pattern, const TileNumberFormat& format, int levels);

// The deepest pyramid a preview covers: 4^7 tiles at its last level.
constexpr int kMaxPreviewLevels = 8;
