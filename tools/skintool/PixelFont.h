#pragma once
// A 5 x 7 pixel font for the labels of skintool's pictures, the same in both builds (no
// system fonts). Letters are shown in upper case; characters it lacks show as a box.
#include <cstdint>
#include <string_view>

#include "pixels/PixelBuffer.h"

// Width and height of a label at a whole-number scale (1 at 96 PPI, 2 at 192).
int LabelWidth(std::string_view text, int scale);
int LabelHeight(int scale);
// Draws text with its top-left at (x, y) in pixel (0xAARRGGBB), clipped to the picture.
void DrawLabel(const PixelBuffer& picture, int x, int y, std::string_view text, uint32_t pixel, int scale);
