#pragma once
// Rescaling pictures with a choice of reconstruction filters: two separable passes
// (horizontal, then vertical) over precomputed contributions, each filter widened by the
// scale factor when shrinking. All four channels are filtered alike.
#include "pixels/PixelBuffer.h"

enum class ResampleFilter { Box = 0, Triangle = 1, Hermite = 2, Bell = 3, BSpline = 4, Lanczos = 5, Mitchell = 6 };

// Dst becomes Src rescaled to Width × Height (empty when either is 0 or less; equal sizes
// copy). Src may be a view of Dst. Throws std::invalid_argument for an unknown filter.
void ResampleBitmap(const PixelBuffer& Src, PixelImage& Dst, int Width, ResampleFilter Filter, int Height);
