#pragma once
// Recolouring a whole loaded skin by the owner's hue offset, saturation and brightness:
// the master bitmap, every cached image, the section colours and parts of the palette.
// Key-colour pixels never change.
#include "skin/data/acSkinData.h"

// Runs after the palette was filled; nothing changes while all three settings are 0.
// `shadow1Color` (the skin's "SHADOW1COLOR", may be null) follows hue and saturation.
void RecolorSkin(TacSkinData& data, PixelImage* master, TacPalette& palette, TColor* shadow1Color);
