#pragma once
// A small menu skin: "MAINMENU" white with a 7 x 7 grey border mask whose corners are
// rounded by key-colour pixels, "MENUITEM" white (state 0) and blue (state 1) with black
// and white text, "MENUCAPTION" and "DIVIDERV" with a mask. A copy without the border
// masks shows the fallbacks.
#include "tests/support/FixtureSkins.h"

inline constexpr uint32_t kGrey = 0x404040;    // COLORREF-style
inline constexpr uint32_t kHot = 0xC08000;     // blue
inline constexpr uint32_t kHotText = 0xFFFFFF;
inline constexpr uint32_t kCaptionBand = 0x00C0C0;
inline constexpr uint32_t kDividerLine = 0x0000C0;

FixtureSkin MenuSkin(bool withBorderMasks);
LoadedModel LoadMenuSkin(int ppi, bool withBorderMasks = true);
