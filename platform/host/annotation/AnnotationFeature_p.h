#pragma once

#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"

#include <memory>

class CFeatureStyle;

// The host's feature: parts and owned styles.
class CAnnotationFeature : public IAnnotationFeature
{
public:
    // A feature of kind with one style of each kind.
    CAnnotationFeature(int kind, const std::string& name);
    ~CAnnotationFeature() override;

    void AddGeometry(const CGeometryData& geometry) override;
    void ClearGeometry() override;
    int GetGeometryCount() const override;
    bool GetGeometry(CGeometryData& geometry, int index) const override;
    bool GetAnchor(CVector3D& anchor) const override;
    std::vector<CFeatureStyle*> GetStyles() const override;
    int GetKind() const override;
    std::string GetName() const override;
    void AddStyle(CFeatureStyle* style) override;
    CFeatureStyle* FindStyle(int styleType) const override;

    static bool IsKnownKind(int kind);

private:
    int m_kind;
    std::string m_name;
    std::vector<CGeometryData> m_parts;
    std::vector<std::unique_ptr<CFeatureStyle>> m_styles;
};

// The box of every finite point of the feature's parts; false without one.
bool FeatureBounds(const IAnnotationFeature& feature, CVector3D& min, CVector3D& max);
