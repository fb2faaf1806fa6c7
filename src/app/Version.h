#pragma once

// The program's version as the about box and the splash show it.
#ifdef THERMAVO_VERSION
inline constexpr const char* kThermavoVersion = THERMAVO_VERSION;
#else
inline constexpr const char* kThermavoVersion = "4.0";
#endif
