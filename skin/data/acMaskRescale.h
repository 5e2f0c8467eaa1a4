#pragma once
// Facts about an element's picture, and rescaling it from the density it was drawn for (DivPPI) to the one
// it is shown at (MulPPi).
#include <optional>

#include "skin/data/sMaskData.h"

// The element's picture (the part R of `source`) rescaled with the Mitchell-Netravali
// filter; the element's rectangle, sizes and margins are updated to the new picture.
// nullopt, and the element unchanged, when the densities are equal or the element is too
// small to rescale (1-pixel borders, pictures of 2 pixels or less).
// Key-colour pixels become `mainColor` with alpha 0 before filtering so that magenta does
// not bleed into the edges; `keepPixels` leaves a plain picture's pixels and alpha alone.
std::optional<PixelImage> RescaleMaskPicture(TsMaskData& mask, const PixelBuffer& source, bool keepPixels,
                                             TColor mainColor);

// A key-colour pixel lies in a corner area (WL x WT, WR x WT, WL x WB, WR x WB) of any
// state image of the element's rectangle in `picture` (bit 0 of a border element's Cfg).
bool HasKeyColorCorners(const TsMaskData& mask, const PixelBuffer& picture);
