#include "OvCoordSystem/host/annotation/IAnnotation2DMapLayer.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"

// Out-of-line destructors: one home for each interface's type information.
IAnnotationFeature::~IAnnotationFeature() = default;
IAnnotation2DMapLayer::~IAnnotation2DMapLayer() = default;
IAnnotation2DObject::~IAnnotation2DObject() = default;
