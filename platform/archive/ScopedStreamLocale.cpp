#include "OvCoordSystem/archive/ScopedStreamLocale.h"

#include <stdexcept>

CScopedStreamLocale::CScopedStreamLocale(const char* localeName)
{
#ifdef _WIN32
    try {
        m_previous = std::locale::global(std::locale(localeName));
        m_switched = true;
    } catch (const std::runtime_error&) {
        // An unknown name keeps the current locale.
    }
#else
    (void)localeName;
#endif
}

CScopedStreamLocale::~CScopedStreamLocale()
{
    if (m_switched) std::locale::global(m_previous);
}
