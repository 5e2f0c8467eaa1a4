#pragma once
// Border masks: an element image cut into nine slices (four corners copied as they are,
// four sides and the centre stretched or tiled) and state images drawn unscaled.
#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/paint/acCacheInfo.h"
#include "skin/paint/acMaskImage.h"

// Draws the border mask over r for a state (its image index clamped to the images the
// mask has). With cornerFill and the mask's Cfg bits 0..1, key pixels of the corners
// show the background that cacheInfo describes (its picture at the pixel plus (X, Y)).
// Nothing is drawn outside r.
void PaintNineSlice(const PixelBuffer& bmp, TRect r, const TCacheInfo& cacheInfo, const TacMaskImage& mask,
                    int state, bool cornerFill);

// Draws one state image unscaled with its top-left at point; key pixels show what
// cacheInfo describes (nothing changes there when it points at bmp itself).
void DrawMaskImage(const PixelBuffer& bmp, TPoint point, int state, const TCacheInfo& cacheInfo,
                   const TacMaskImage& mask);
