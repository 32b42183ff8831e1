#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

// Kinds of feature style.
enum E_FEATURE_STYLE_TYPE
{
    FEATURE_STYLE_PEN = 1,
    FEATURE_STYLE_BRUSH = 2,
    FEATURE_STYLE_LABEL = 3,
    FEATURE_STYLE_ICON = 4
};

// One style of an annotation feature; its kind tells which subclass it is. Changes show after
// the object's Update and Refresh.
class OVPLATFORM_EXPORT CFeatureStyle
{
public:
    virtual ~CFeatureStyle();
    virtual E_FEATURE_STYLE_TYPE GetStyleType() const = 0;
};
