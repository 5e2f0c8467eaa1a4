#pragma once
// How a disabled control looks: its finished picture greyed and/or washed out with the
// background under it.
#include <cstdint>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/paint/acCacheInfo.h"

enum TacDisabledKind : unsigned { dkBlended = 1, dkGrayed = 2 };

// Share of the picture (of 255) that stays when the background is blended over it.
inline constexpr int kDisabledBlendValue = 100;
// Saturation change of the greyed look, in percent; -100 is full greyscale.
inline constexpr int kDisabledGrayLevel = -90;

// kind: a combination of TacDisabledKind. parentColor is used when the background is
// neither ready nor given as a colour. offset: the control's place in the background.
void ApplyDisabledLook(const PixelBuffer& bmp, unsigned kind, uint32_t parentColor, TPoint offset,
                       const TCacheInfo& cacheInfo, int grayLevel = kDisabledGrayLevel);
