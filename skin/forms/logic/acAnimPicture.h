#pragma once
// Whole-picture operations of the window animations: a nearest-pixel stretch (what a
// colour-on-colour stretch does; frames must stay cheap) and the premultiplied copy that
// a layered window update takes.
#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"

// Stretches all of src into `to` in dst (clipped to dst), taking the nearest source pixel.
void StretchNearest(const PixelBuffer& dst, TRect to, const PixelBuffer& src);

// Clears dst to transparent everywhere outside keep (a frame about to be drawn into keep).
void ClearOutside(const PixelBuffer& dst, TRect keep);

// dst = src with every colour channel scaled by the pixel's alpha (rounded); same sizes.
void PremultiplyInto(const PixelBuffer& dst, const PixelBuffer& src);

// Copies src to dst at (0, 0), clipped to both.
void CopyWhole(const PixelBuffer& dst, const PixelBuffer& src);
