#include "OvCoordSystem/kml/XmlStreamProgressCallback.h"

CXmlStreamProgressCallback::~CXmlStreamProgressCallback() = default;

void CXmlStreamProgressCallback::onBegin(CXmlStream*, int) { }

void CXmlStreamProgressCallback::onProgress(CXmlStream*, int, int) { }

void CXmlStreamProgressCallback::onEnd(CXmlStream*) { }
