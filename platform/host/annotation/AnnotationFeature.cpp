#include "OvCoordSystem/host/annotation/AnnotationFeature_p.h"

#include "OvCoordSystem/host/annotation/FeatureBrushStyle.h"
#include "OvCoordSystem/host/annotation/FeatureIconStyle.h"
#include "OvCoordSystem/host/annotation/FeatureLabelStyle.h"
#include "OvCoordSystem/host/annotation/FeaturePenStyle.h"

#include <algorithm>
#include <cmath>

CAnnotationFeature::CAnnotationFeature(int kind, const std::string& name)
    : m_kind(kind)
    , m_name(name)
{
    AddStyle(new CFeaturePenStyle);
    AddStyle(new CFeatureBrushStyle);
    AddStyle(new CFeatureLabelStyle);
    AddStyle(new CFeatureIconStyle);
}

CAnnotationFeature::~CAnnotationFeature() = default;

bool CAnnotationFeature::IsKnownKind(int kind)
{
    return kind == ANNOTATION_FEATURE_POINT || kind == ANNOTATION_FEATURE_RANGE
        || kind == ANNOTATION_FEATURE_EXTENT;
}

void CAnnotationFeature::AddGeometry(const CGeometryData& geometry)
{
    m_parts.push_back(geometry);
}

void CAnnotationFeature::ClearGeometry()
{
    m_parts.clear();
}

int CAnnotationFeature::GetGeometryCount() const
{
    return static_cast<int>(m_parts.size());
}

bool CAnnotationFeature::GetGeometry(CGeometryData& geometry, int index) const
{
    if (index < 0 || index >= GetGeometryCount()) return false;
    geometry = m_parts[static_cast<size_t>(index)];
    return true;
}

bool CAnnotationFeature::GetAnchor(CVector3D& anchor) const
{
    CVector3D min, max;
    if (!FeatureBounds(*this, min, max)) return false;
    anchor = CVector3D((min.x + max.x) / 2, min.y, 0.0);
    return true;
}

std::vector<CFeatureStyle*> CAnnotationFeature::GetStyles() const
{
    std::vector<CFeatureStyle*> styles;
    for (const std::unique_ptr<CFeatureStyle>& style : m_styles)
        styles.push_back(style.get());
    return styles;
}

int CAnnotationFeature::GetKind() const
{
    return m_kind;
}

std::string CAnnotationFeature::GetName() const
{
    return m_name;
}

void CAnnotationFeature::AddStyle(CFeatureStyle* style)
{
    if (style) m_styles.emplace_back(style);
}

CFeatureStyle* CAnnotationFeature::FindStyle(int styleType) const
{
    for (const std::unique_ptr<CFeatureStyle>& style : m_styles)
        if (style->GetStyleType() == styleType) return style.get();
    return nullptr;
}

bool FeatureBounds(const IAnnotationFeature& feature, CVector3D& min, CVector3D& max)
{
    bool any = false;
    CVector3D lo, hi;
    CGeometryData part;
    for (int i = 0; i < feature.GetGeometryCount(); ++i) {
        feature.GetGeometry(part, i);
        for (const CVector3D& p : part.GetPoints()) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
            if (!any) {
                lo = hi = CVector3D(p.x, p.y, 0.0);
                any = true;
            }
            lo.x = std::min(lo.x, p.x);
            lo.y = std::min(lo.y, p.y);
            hi.x = std::max(hi.x, p.x);
            hi.y = std::max(hi.y, p.y);
        }
    }
    if (any) {
        min = lo;
        max = hi;
    }
    return any;
}
