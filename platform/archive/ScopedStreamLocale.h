#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <locale>

// Switches the process-wide stream locale (std::locale::global) for the life of the object and
// restores the previous one afterwards. Only Windows needs it: there the narrow path of a file
// is read in the global locale's code page, so a file named in Chinese opens only under ".936".
// Elsewhere paths are UTF-8 bytes and the object changes nothing.
class OVPLATFORM_EXPORT CScopedStreamLocale
{
public:
    explicit CScopedStreamLocale(const char* localeName);
    ~CScopedStreamLocale();
    CScopedStreamLocale(const CScopedStreamLocale&) = delete;
    CScopedStreamLocale& operator=(const CScopedStreamLocale&) = delete;

private:
    std::locale m_previous;
    bool m_switched = false; // never outside Windows, nor for an unknown name
};
