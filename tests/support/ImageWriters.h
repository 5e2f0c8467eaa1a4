#pragma once
// Writers of the image files skins carry, so that tests can make any picture they need.
// Pixels are BGRA as in PixelImage (straight alpha).
#include <cstdint>
#include <vector>

#include "pixels/PixelBuffer.h"

enum class PngKind {
  Rgba,       // colour type 6
  Rgb,        // colour type 2 (alpha dropped)
  Gray,       // colour type 0, from the red channel
  GrayAlpha,  // colour type 4
  Palette,    // colour type 3 with a tRNS chunk when any alpha is below 255 (at most 256 colours)
};
std::vector<uint8_t> EncodePng(const PixelImage& image, PngKind kind = PngKind::Rgba);

enum class BmpKind {
  Rgb24,             // bottom-up, rows padded to 4 bytes
  Bgra32TopDown,     // BI_RGB, negative height, alpha in the fourth byte
  Bgra32Bitfields,   // BITMAPV5HEADER with BI_BITFIELDS and an alpha mask
  Indexed8,          // bottom-up, 8 bits a pixel into a palette of the picture's colours (at most 256)
};
std::vector<uint8_t> EncodeBmp(const PixelImage& image, BmpKind kind = BmpKind::Rgb24);

// An 8 x 8 baseline JPEG of one colour (0x3366CC, as a pixel 0xFF3366CC).
std::vector<uint8_t> SolidJpeg8x8();
