#include "OvCoordSystem/host/annotation/AnnotationFeature_p.h"
#include "OvCoordSystem/host/annotation/FeatureBrushStyle.h"
#include "OvCoordSystem/host/annotation/FeatureIconStyle.h"
#include "OvCoordSystem/host/annotation/FeatureLabelStyle.h"
#include "OvCoordSystem/host/annotation/FeaturePenStyle.h"
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

    CFeatureStyle* CreateStyle(int styleType) override
    {
        switch (styleType) {
        case FEATURE_STYLE_PEN:
            return new CFeaturePenStyle;
        case FEATURE_STYLE_BRUSH:
            return new CFeatureBrushStyle;
        case FEATURE_STYLE_LABEL:
            return new CFeatureLabelStyle;
        case FEATURE_STYLE_ICON:
            return new CFeatureIconStyle;
        default:
            return nullptr;
        }
    }
};
} // namespace

IAnnotationModule::~IAnnotationModule() = default;

IAnnotationModule* GetOrCreateAnnotationModule()
{
    // Holds no Qt objects, so it may live until the process ends.
    static CAnnotationModule module;
    return &module;
}
