// The custom tile naming pattern on any text: parsing, the path of single tiles in every number
// format and the four-level preview. Besides crashes and hangs it checks that the element lists
// stay parallel, that no prefix holds a "{" and no body a "}", that a path ends in the suffix,
// and that the preview holds exactly the files the tiles' paths name.
#include "FuzzText.h"

#include "OvCoordSystem/widgets/savers/TilePreview.h"

namespace {
constexpr int kLevels = 3;

// Follows PATH down the preview; true when it ends on an image.
bool previewHolds(const std::vector<TilePreviewNode>& nodes, const QStringList& path, int depth)
{
    for (const TilePreviewNode& node : nodes) {
        if (node.text != path.at(depth)) continue;
        const bool last = depth + 1 == path.size();
        if (last && !node.folder) return true;
        if (!last && node.folder && previewHolds(node.children, path, depth + 1)) return true;
    }
    return false;
}

int countFiles(const std::vector<TilePreviewNode>& nodes)
{
    int files = 0;
    for (const TilePreviewNode& node : nodes) {
        fuzzCheck(!node.folder || !node.children.empty());
        files += node.folder ? countFiles(node.children) : 1;
    }
    return files;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const uint8_t control = data[0];
    const CTileNamePattern pattern(fuzzText(data + 1, size - 1, control & 1));
    const int elements = pattern.Names().size();
    fuzzCheck(elements >= 3 && pattern.Signs().size() == elements
        && pattern.Offsets().size() == elements && pattern.Prefixes().size() == elements);
    for (int i = 0; i < elements; ++i) {
        fuzzCheck(!pattern.Prefixes().at(i).contains(QLatin1Char('{')));
        fuzzCheck(!pattern.Names().at(i).contains(QLatin1Char('}')));
        fuzzCheck(!pattern.Offsets().at(i).contains(QLatin1Char('}')));
    }

    TileNumberFormat format;
    format.hexadecimal = control & 2;
    format.upperCase = control & 4;
    const std::vector<TilePreviewNode> preview = BuildTilePreview(pattern, format, kLevels);
    fuzzCheck(preview.empty() || pattern.HasLevel());
    int files = 0;
    for (qint64 level = 1; level <= kLevels; ++level) {
        const qint64 tiles = qint64(1) << (level - 1);
        for (qint64 row = 1; row <= tiles; ++row) {
            for (qint64 column = 1; column <= tiles; ++column) {
                const QStringList path = pattern.TilePath(level, column, row, format);
                if (path.isEmpty()) continue;
                ++files;
                fuzzCheck(path.size() <= 3 && path.last().endsWith(QLatin1String(".jpg")));
                fuzzCheck(previewHolds(preview, path, 0));
            }
        }
    }
    // Merging only removes repeats.
    fuzzCheck(countFiles(preview) <= files && (files == 0) == preview.empty());
    // Far tiles: the numbers stay exact and nothing overflows.
    pattern.TilePath(32, qint64(1) << 31, qint64(1) << 31, format);
    return 0;
}
