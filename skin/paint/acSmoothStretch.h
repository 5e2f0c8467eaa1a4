#pragma once
// Smooth (Mitchell-Netravali) rescaling of one piece of a picture, for border pieces whose
// nearest-pixel stretch would look rough.
#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"

// rect of src rescaled to width × height; empty when rect is not inside src or a size is 0.
PixelImage StretchSmooth(const PixelBuffer& src, TRect rect, int width, int height);
