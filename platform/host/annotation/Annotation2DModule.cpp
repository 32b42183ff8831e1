#include "OvCoordSystem/host/annotation/Annotation2DModule_p.h"

#include "OvCoordSystem/host/annotation/Annotation2DMapLayer_p.h"
#include "OvCoordSystem/host/annotation/Annotation2DObject_p.h"
#include "OvCoordSystem/host/map/OvMapModule_p.h"
#include "OvCoordSystem/host/map/ProcessWideModule_p.h"

#include <algorithm>

namespace {
template <typename T, typename I> auto findOwned(std::vector<std::unique_ptr<T>>& list, I* p)
{
    return std::find_if(list.begin(), list.end(),
        [p](const std::unique_ptr<T>& owned) { return p && static_cast<I*>(owned.get()) == p; });
}
} // namespace

IAnnotation2DModule* GetOrCreateAnnotation2DModule()
{
    // The objects' items live in the map's scene: the map module is made first.
    return ProcessWideModule<CAnnotation2DModule>::Get(
        [] { return new CAnnotation2DModule(static_cast<COvMapModule*>(GetGlobalOvMapModule())); });
}

IAnnotation2DModule::~IAnnotation2DModule() = default;

CAnnotation2DModule::CAnnotation2DModule(COvMapModule* map)
    : m_map(map)
{
    connect(map, &COvMapModule::viewChanged, this, [this] { relayout(nullptr); });
}

CAnnotation2DModule::~CAnnotation2DModule()
{
    m_objects.clear();
    m_layers.clear();
}

IAnnotation2DMapLayer* CAnnotation2DModule::CreateMapLayer(const std::string& name)
{
    m_layers.push_back(std::make_unique<CAnnotation2DMapLayer>(
        name, [this](CAnnotation2DMapLayer* layer) { relayout(layer); }));
    return m_layers.back().get();
}

void CAnnotation2DModule::DestroyMapLayer(IAnnotation2DMapLayer* layer)
{
    auto it = findOwned(m_layers, layer);
    if (it == m_layers.end()) return;
    for (const std::unique_ptr<CAnnotation2DObject>& object : m_objects)
        if (object->Layer() == it->get()) object->ForgetLayer();
    m_layers.erase(it);
}

IAnnotation2DObject* CAnnotation2DModule::CreateObject()
{
    m_objects.push_back(std::make_unique<CAnnotation2DObject>(this));
    return m_objects.back().get();
}

void CAnnotation2DModule::DestroyObject(IAnnotation2DObject* object)
{
    auto it = findOwned(m_objects, object);
    if (it == m_objects.end()) return;
    emit objectDestroyed((*it)->GetId());
    // Taken out of the list before it dies, in case its destruction calls back.
    std::unique_ptr<CAnnotation2DObject> dying = std::move(*it);
    m_objects.erase(it);
}

void CAnnotation2DModule::FocusObject(IAnnotation2DObject* object, int level)
{
    CVector3D min, max;
    if (findOwned(m_objects, object) == m_objects.end() || !object->GetBoundingBox(min, max))
        return;
    m_map->SetView((min.x + max.x) / 2, (min.y + max.y) / 2, level);
}

IAnnotation2DObject* CAnnotation2DModule::FindObject(int graphicsItemId) const
{
    for (const std::unique_ptr<CAnnotation2DObject>& object : m_objects)
        if (object->GetId() == graphicsItemId) return object.get();
    return nullptr;
}

int CAnnotation2DModule::GetObjectCount() const
{
    return static_cast<int>(m_objects.size());
}

CAnnotation2DMapLayer* CAnnotation2DModule::OwnLayer(IAnnotation2DMapLayer* layer) const
{
    for (const std::unique_ptr<CAnnotation2DMapLayer>& own : m_layers)
        if (own.get() == layer) return own.get();
    return nullptr;
}

void CAnnotation2DModule::relayout(const CAnnotation2DMapLayer* layer)
{
    for (const std::unique_ptr<CAnnotation2DObject>& object : m_objects)
        if (!layer || object->Layer() == layer) object->Relayout();
}
