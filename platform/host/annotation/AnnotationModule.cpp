#include "OvCoordSystem/host/annotation/AnnotationFeature_p.h"
#include "OvCoordSystem/host/annotation/IAnnotationModule.h"

namespace {
class CAnnotationModule : public IAnnotationModule
{
public:
    IAnnotationFeature* CreateFeature(int kind, const std::string& name) override
    {
        if (!CAnnotationFeature::IsKnownKind(kind)) return nullptr;
        return new CAnnotationFeature(kind, name);
    }

    void DestroyFeature(IAnnotationFeature* feature) override { delete feature; }
};
} // namespace

IAnnotationModule::~IAnnotationModule() = default;

IAnnotationModule* GetOrCreateAnnotationModule()
{
    // Holds no Qt objects, so it may live until the process ends.
    static CAnnotationModule module;
    return &module;
}
