#pragma once
// The colours of Slate's lines, glyphs and marks. Face colours are not here: they are the
// state colours of each section in Options.dat.
#include "tools/skinart/Raster.h"

namespace slate {
inline constexpr Rgb kText{0x1F, 0x23, 0x28};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kControlBorder{0xB9, 0xBF, 0xC6};
inline constexpr Rgb kSwitchOffBorder{0x5F, 0x66, 0x70};
inline constexpr Rgb kAccent{0x00, 0x78, 0xD7};
inline constexpr Rgb kAccentDark{0x00, 0x5A, 0x9E};
inline constexpr Rgb kAccentSoft{0x99, 0xC9, 0xEF};
inline constexpr Rgb kSeparator{0xE1, 0xE4, 0xE8};
inline constexpr Rgb kFrameInactive{0xAA, 0xB0, 0xB8};
inline constexpr Rgb kMenuBorder{0xC4, 0xC9, 0xCF};
inline constexpr Rgb kCaptionHot{0xE5, 0xE7, 0xEA};
inline constexpr Rgb kCaptionPressed{0xCD, 0xD1, 0xD6};
inline constexpr Rgb kCloseHot{0xE8, 0x11, 0x23};
inline constexpr Rgb kClosePressed{0xF1, 0x70, 0x7A};
inline constexpr Rgb kDialogBand{0xF3, 0xF4, 0xF6};
inline constexpr Rgb kShadow{0x10, 0x18, 0x28};
}  // namespace slate
