#pragma once
// The project's PNG writer: 8-bit RGBA with straight alpha, compressed with zlib. Tools
// of both builds use it, so their pictures come out byte for byte the same.
#include <cstdint>
#include <vector>

#include "pixels/PixelBuffer.h"

std::vector<uint8_t> PngFromPicture(const PixelBuffer& picture);
