#pragma once

// LOOMSET_API marks what the shared library exports; everything else stays hidden.
#if defined(_WIN32)
#if defined(LOOMSET_BUILDING)
#define LOOMSET_API __declspec(dllexport)
#else
#define LOOMSET_API __declspec(dllimport)
#endif
#else
#define LOOMSET_API __attribute__((visibility("default")))
#endif
