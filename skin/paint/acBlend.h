#pragma once
// Whole-rectangle blends and fills on 32-bit pictures. Rectangles are clipped to every
// picture they touch; integer arithmetic with shifts by 8, as the skins were made for.
#include <cstdint>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"

// Each pixel of r becomes (pixel·keep + color·(255 - keep)) >> 8 per channel; alpha kept.
// color is COLORREF-style.
void BlendColorOver(const PixelBuffer& bmp, TRect r, int keep, uint32_t color);

// Each pixel of r in dst becomes (keep·(dst - src) + src·256) >> 8 per channel, src read
// from src at srcPoint plus the same offset. keep 255 keeps dst, 0 gives src.
void BlendBitmaps(const PixelBuffer& dst, const PixelBuffer& src, int keep, TPoint srcPoint, TRect r);

// Composes srcRect of src onto dst at dstPoint by the source alpha (scaled by opacity
// when below 255).
void AlphaCopy(const PixelBuffer& dst, const PixelBuffer& src, TRect srcRect, int opacity, TPoint dstPoint);

// Writes color (COLORREF-style) with the given alpha into every pixel of r.
void FillBitmapRect(const PixelBuffer& bmp, TRect r, uint32_t color, uint32_t alpha = 255);

// Copies a block of src at srcPoint into r of dst; a no-op when both are the same picture
// at the same place.
void CopyBitmapRect(const PixelBuffer& dst, TRect r, const PixelBuffer& src, TPoint srcPoint);
