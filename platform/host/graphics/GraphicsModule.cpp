#include "OvCoordSystem/host/annotation/Annotation2DModule_p.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DMapLayer.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/graphics/IOvGraphicsModule.h"
#include "OvCoordSystem/host/graphics/SceneItem_p.h"
#include "OvCoordSystem/host/map/OvMapModule_p.h"
#include "OvCoordSystem/host/map/ProcessWideModule_p.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace {
// Scene items and their bindings. Bound items follow the first of their objects that has an
// anchor, and are shown and hidden with the objects.
class CGraphicsModule : public QObject, public IOvGraphicsModule
{
public:
    explicit CGraphicsModule(CAnnotation2DModule* annotations)
        : m_annotations(annotations)
        , m_map(annotations->Map())
    {
        connect(m_map, &COvMapModule::viewChanged, this, [this] {
            for (auto& entry : m_items)
                entry.first->Relayout();
        });
        connect(annotations, &CAnnotation2DModule::objectChanged, this,
            [this](int id) { objectChanged(id); });
        connect(annotations, &CAnnotation2DModule::objectVisibilityChanged, this,
            [this](int id, bool) { visibilityChanged(id, std::nullopt); });
        connect(annotations, &CAnnotation2DModule::objectDestroyed, this,
            [this](int id) { visibilityChanged(id, id); });
    }

    void RemoveSceneItem(IOvSceneItem* item) override
    {
        auto it = find(item);
        if (it != m_items.end()) m_items.erase(it);
    }

    IOvSceneItem* CreateSceneItem(const std::string& name, IAnnotation2DMapLayer* layer) override
    {
        const int z = layer ? layer->GetZOrder() + 1 : 1;
        m_items.emplace_back(std::make_unique<CSceneItem>(name, m_map, z), std::vector<int>());
        return m_items.back().first.get();
    }

    void BindSceneItem(IOvSceneItem* item, const std::vector<int>& ids) override
    {
        auto it = find(item);
        if (it == m_items.end()) return;
        it->second = ids;
        CVector3D anchor;
        it->first->Follow(anchorOf(ids, anchor) ? &anchor : nullptr);
        it->first->Relayout();
    }

    int GetSceneItemCount() const override { return static_cast<int>(m_items.size()); }

private:
    using Entry = std::pair<std::unique_ptr<CSceneItem>, std::vector<int>>;

    std::vector<Entry>::iterator find(IOvSceneItem* item)
    {
        return std::find_if(m_items.begin(), m_items.end(),
            [item](const Entry& entry) { return item && entry.first.get() == item; });
    }

    // The anchor of the first object of ids that has one.
    bool anchorOf(const std::vector<int>& ids, CVector3D& anchor) const
    {
        for (int id : ids) {
            IAnnotation2DObject* object = m_annotations->FindObject(id);
            if (object && object->GetFeature() && object->GetFeature()->GetAnchor(anchor))
                return true;
        }
        return false;
    }

    void objectChanged(int id)
    {
        for (Entry& entry : m_items) {
            CVector3D anchor;
            if (std::count(entry.second.begin(), entry.second.end(), id)
                && anchorOf(entry.second, anchor))
                entry.first->MoveAnchor(anchor);
        }
    }

    // An object of the item was shown, hidden or (gone != nullopt) destroyed: the item is shown
    // while one of its objects is visible.
    void visibilityChanged(int id, std::optional<int> gone)
    {
        for (Entry& entry : m_items) {
            if (!std::count(entry.second.begin(), entry.second.end(), id)) continue;
            bool anyVisible = false;
            for (int bound : entry.second) {
                IAnnotation2DObject* object
                    = gone == bound ? nullptr : m_annotations->FindObject(bound);
                anyVisible = anyVisible || (object && object->IsVisible());
            }
            entry.first->SetVisible(anyVisible);
        }
    }

    CAnnotation2DModule* m_annotations;
    COvMapModule* m_map;
    std::vector<Entry> m_items;
};
} // namespace

IOvGraphicsModule::~IOvGraphicsModule() = default;
IOvGraphicsItem::~IOvGraphicsItem() = default;
IOvSceneItem::~IOvSceneItem() = default;

IOvGraphicsModule* GetGlobalOvGraphicsModule()
{
    // Made after (and so freed before) the annotation and map modules it listens to.
    return ProcessWideModule<CGraphicsModule>::Get([] {
        return new CGraphicsModule(
            static_cast<CAnnotation2DModule*>(GetOrCreateAnnotation2DModule()));
    });
}
