#pragma once
// Forms are laid out at 96 dots per inch and drawn at their monitor's density.
#include <windows.h>

namespace marv {

inline constexpr int kLayoutDpi = 96;

inline int ScaleToDpi(int value, int dpi) { return MulDiv(value, dpi, kLayoutDpi); }

// A system metric for a density: GetSystemMetricsForDpi where the system has it (looked
// up at run time, so older systems still start), else the plain metric scaled from the
// system's density.
int SystemMetricForDpi(int index, int dpi);

}  // namespace marv
