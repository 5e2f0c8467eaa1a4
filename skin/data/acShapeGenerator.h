#pragma once
// Generated pictures for skins that do not draw their own: soft rounded shapes for the
// outer images of sections, the outer effects of windows and the window shadow.
#include <array>
#include <cstdint>
#include <vector>

#include "skin/data/sMaskData.h"

// Opacity (0..255) of every pixel of a width x height rounded rectangle that is fully
// opaque inside and fades to transparent over `blur` pixels at its edge. The blur is at
// most half the smaller side; the corner radius applies to the opaque part.
std::vector<uint8_t> SoftRoundRect(int width, int height, int radius, int blur);

// A masked element of one state image: the picture half above is filled with the side
// colours (left, top, right, bottom; each pixel takes the side it is nearest to), the mask
// half below is the soft shape (white where transparent, black where opaque).
PixelImage MakeOuterImage(int width, int height, int radius, int blur, const std::array<TColor, 4>& sideColors);

// A 2*size square window shadow: opaque at the centre, fading over size - 1 pixels to the
// edges, moved down by `offset`, in `color` whose top byte is the opacity; premultiplied.
PixelImage MakeWindowShadow(int size, int radius, int offset, TColor color);
