#include "OvCoordSystem/widgets/savers/TilePreview.h"

#include <QHash>
#include <QPair>

namespace {
// The preview while it grows: entries addressed by index, each folder with an index of its
// entries' texts, so that merging the tiles' paths stays linear.
class GrowingTree
{
public:
    static constexpr int kRoot = 0;

    GrowingTree()
        : m_entries(1)
    { }

    // The entry of folder PARENT named TEXT, added at the end when it is new.
    int entry(int parent, const QString& text, bool folder)
    {
        const auto key = qMakePair(text, folder);
        const auto found = m_entries[parent].index.constFind(key);
        if (found != m_entries[parent].index.constEnd()) return *found;
        const int added = static_cast<int>(m_entries.size());
        m_entries.push_back(Entry { text, folder, {}, {} });
        m_entries[parent].index.insert(key, added);
        m_entries[parent].children.push_back(added);
        return added;
    }

    std::vector<TilePreviewNode> nodes(int parent = kRoot) const
    {
        std::vector<TilePreviewNode> nodes;
        nodes.reserve(m_entries[parent].children.size());
        for (const int child : m_entries[parent].children)
            nodes.push_back(TilePreviewNode {
                m_entries[child].text, m_entries[child].folder, this->nodes(child) });
        return nodes;
    }

private:
    struct Entry
    {
        QString text;
        bool folder;
        std::vector<int> children;
        QHash<QPair<QString, bool>, int> index;
    };
    std::vector<Entry> m_entries;
};
} // namespace

std::vector<TilePreviewNode> BuildTilePreview(
    const CTileNamePattern& pattern, const TileNumberFormat& format, int levels)
{
    if (!pattern.HasLevel()) return {};
    levels = qBound(0, levels, kMaxPreviewLevels);
    GrowingTree tree;
    for (qint64 level = 1; level <= levels; ++level) {
        const qint64 tiles = qint64(1) << (level - 1);
        for (qint64 row = 1; row <= tiles; ++row) {
            for (qint64 column = 1; column <= tiles; ++column) {
                const QStringList path = pattern.TilePath(level, column, row, format);
                int folder = GrowingTree::kRoot;
                for (int i = 0; i < path.size(); ++i)
                    folder = tree.entry(folder, path.at(i), i + 1 < path.size());
            }
        }
    }
    return tree.nodes();
}
