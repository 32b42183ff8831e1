#pragma once

// Marks the classes and functions that OvCoordSystem exports; everything else stays hidden.
#if defined(_WIN32)
#if defined(OVCOORD_BUILDING)
#define OVCOORD_EXPORT __declspec(dllexport)
#else
#define OVCOORD_EXPORT __declspec(dllimport)
#endif
#else
#define OVCOORD_EXPORT __attribute__((visibility("default")))
#endif
