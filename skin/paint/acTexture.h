#pragma once
// Textures: an element image laid over an area by one of the texture modes (its DrawMode).
#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/paint/acMaskImage.h"

enum TacTextureMode : int {
  tmTile = 0,              // tiled over the whole area
  tmStretch = 1,           // stretched over the whole area
  tmTileTop = 2,           // one row of tiles along the top edge
  tmTileLeft = 3,          // one column along the left edge
  tmStretchTop = 4,        // one row stretched across the top
  tmStretchLeft = 5,       // one column stretched down the left
  tmTileBottom = 6,        // one row of tiles along the bottom edge
  tmTileRight = 7,         // one column along the right edge
  tmStretchBottom = 8,     // one row stretched across the bottom
  tmStretchRight = 9,      // one column stretched down the right
  tmTileColumns = 10,      // tiled, column by column (the same picture as tmTile)
  tmStretchWidth = 11,     // stretched to the width, repeated downwards
  tmStretchHeight = 12,    // stretched to the height, repeated rightwards
  tmTileFromBottomRight = 13,
  tmTileCentred = 14,      // tiled so that one tile sits in the middle
};

// Lays the texture over r (clipped to r and bmp) and returns the part of r it left
// uncovered (empty when it covers everything). Masked textures blend through their mask.
TRect PaintTexture(const PixelBuffer& bmp, TRect r, int mode, const TacMaskImage& mask);
