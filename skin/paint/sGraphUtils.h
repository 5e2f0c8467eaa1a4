#pragma once
// Painting skin elements: the complete picture of a section in a state (background,
// corner images, border, tone), or only its background, into a rectangle of a picture.
#include <cstdint>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/paint/acCacheInfo.h"
#include "skin/paint/acElementOwner.h"
#include "skin/paint/acMaskImage.h"

class TacSkinData;

// The element at maskIndex of the skin data, ready to paint; not Valid() for an index
// that names no element or an element without pixels.
TacMaskImage MaskImageOf(const TacSkinData& data, int maskIndex);

// A colour value as RGB: system colours through the skin's palette.
uint32_t SkinColorToRGB(const TacSkinData& data, uint32_t color);

// The background of any section in a state over r: colour, texture and gradient, seen
// through by the background cacheInfo describes as far as the state is transparent.
// customColor other than magenta replaces the section's look by that plain colour.
// offset: r's place in the background's picture.
void FillSectionBG(int skinIndex, const TCacheInfo& cacheInfo, int state, uint32_t customColor,
                   const TacSkinData& data, const PixelBuffer& bmp, TPoint offset, TRect r);

// The background layer of the owner's section.
void PaintElementBG(const IacElementOwner& owner, const TCacheInfo& cacheInfo, int state, const PixelBuffer& bmp,
                    TPoint offset, TRect r);

// The complete picture of the owner's section in a state inside r. offset: r's place in
// the background that cacheInfo describes (usually the control's place in its parent).
// cornerFill: key pixels in the border's corners show that background.
void PaintElement(const IacElementOwner& owner, const TCacheInfo& cacheInfo, int state, const PixelBuffer& bmp,
                  TPoint offset, TRect r, bool cornerFill);

// The skin's main colour (palette entry pcMainColor); white without a palette.
uint32_t SkinGlobalColor(const TacSkinData& data);
