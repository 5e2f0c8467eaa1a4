#pragma once
// Colours of controls: COLORREF values (red in the low byte), or a system colour, marked
// by the sign bit and carrying the GetSysColor index, so that a control follows the
// system's colours until it is given one of its own.
#include <windows.h>

#include <cstdint>

namespace marv {

using Color = std::int32_t;

constexpr Color SystemColor(int index) {
  return static_cast<Color>(0x80000000u | static_cast<std::uint32_t>(index));
}
constexpr bool IsSystemColor(Color c) { return c < 0; }

inline constexpr Color kWindowTextColor = SystemColor(COLOR_WINDOWTEXT);
inline constexpr Color kButtonFaceColor = SystemColor(COLOR_BTNFACE);
inline constexpr Color kButtonTextColor = SystemColor(COLOR_BTNTEXT);
inline constexpr Color kGrayTextColor = SystemColor(COLOR_GRAYTEXT);

inline COLORREF ToColorRef(Color c) {
  return IsSystemColor(c) ? GetSysColor(static_cast<int>(c & 0xFF)) : static_cast<COLORREF>(c);
}

}  // namespace marv
