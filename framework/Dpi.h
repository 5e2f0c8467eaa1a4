#pragma once
// Forms are laid out at 96 dots per inch and drawn at their monitor's density.
#include <windows.h>

namespace marv {

inline constexpr int kLayoutDpi = 96;

inline int ScaleToDpi(int value, int dpi) { return MulDiv(value, dpi, kLayoutDpi); }

}  // namespace marv
