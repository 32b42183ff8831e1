#pragma once

// Marks the classes and functions that OvPlatform exports; everything else stays hidden.
#if defined(_WIN32)
#if defined(OVPLATFORM_BUILDING)
#define OVPLATFORM_EXPORT __declspec(dllexport)
#else
#define OVPLATFORM_EXPORT __declspec(dllimport)
#endif
#else
#define OVPLATFORM_EXPORT __attribute__((visibility("default")))
#endif
