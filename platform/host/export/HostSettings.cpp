#include "OvCoordSystem/host/export/Adaptive.h"
#include "OvCoordSystem/host/export/Whole.h"

double CAdaptive::m_fontScale = 1.0;
bool Whole::m_bIsHaveHelp = true;
