#pragma once
// Our own reader of BMP files, used on every platform. It reads every layout the format
// defines: core (12-byte), info (40, 52 and 56-byte), V4 and V5 headers; 1, 4, 8, 16, 24
// and 32 bits a pixel; RLE8 and RLE4; bit fields; bottom-up and top-down rows. Files are
// untrusted: a damaged or hostile one is refused with the reason, and nothing is
// allocated for a size that was not checked first.
#include <optional>
#include <span>
#include <string>

#include "skin/data/acImageDecode.h"

struct TacBmpReadResult {
  std::optional<TacDecodedImage> Image;
  std::string Error;  // why the file was refused; empty when Image holds the picture
};

TacBmpReadResult ReadBmp(std::span<const uint8_t> bytes);
