#pragma once

#include "OvCoordSystem/host/annotation/FeatureStyle.h"

#include <string>

// The image drawn at a point: a file path or Qt resource path (":/..."), local 8-bit. An empty
// or unreadable path draws the host's default marker.
class OVPLATFORM_EXPORT CFeatureIconStyle : public CFeatureStyle
{
public:
    E_FEATURE_STYLE_TYPE GetStyleType() const override;

    void SetIconUrl(const std::string& url);
    const std::string& GetIconUrl() const { return m_url; }

private:
    std::string m_url;
};
