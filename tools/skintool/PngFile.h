#pragma once
// PNG files of the pictures skintool draws: 8-bit RGBA with straight alpha, compressed
// with zlib. Both builds use it, so the pictures come out byte for byte the same.
#include <cstdint>
#include <vector>

#include "common/PixelBuffer.h"

std::vector<uint8_t> PngFromPicture(const PixelBuffer& picture);
