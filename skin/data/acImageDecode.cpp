#include "skin/data/acImageDecode.h"

#include <algorithm>

bool ImageSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
         width * height <= kMaxImagePixels;
}

TacImageFormat SniffImageFormat(std::span<const uint8_t> bytes) {
  static constexpr uint8_t kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (bytes.size() >= 8 && std::equal(std::begin(kPng), std::end(kPng), bytes.begin())) return TacImageFormat::Png;
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return TacImageFormat::Jpeg;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return TacImageFormat::Bmp;
  return TacImageFormat::Unknown;
}

std::optional<TacDecodedImage> DecodeImage(std::span<const uint8_t> bytes) {
  switch (SniffImageFormat(bytes)) {
    case TacImageFormat::Bmp: return DecodeBmp(bytes);
    case TacImageFormat::Png: return DecodePng(bytes);
    case TacImageFormat::Jpeg: return DecodeJpeg(bytes);
    case TacImageFormat::Unknown: break;
  }
  return std::nullopt;
}
