#pragma once
// Decoding of skin images (BMP, PNG, JPEG) into 32-bit pixels. The format is taken from
// the bytes, not from the file name. BMP is read by our own reader on every platform;
// PNG and JPEG by the Windows Imaging Component on Windows and by libpng and libjpeg
// natively. PNG and BMP decode to the same pixels on both; JPEG may differ slightly.
#include <cstdint>
#include <optional>
#include <span>

#include "pixels/PixelBuffer.h"

enum class TacImageFormat { Unknown, Bmp, Png, Jpeg };

struct TacDecodedImage {
  PixelImage Pixels;  // straight (not premultiplied) BGRA
  TacImageFormat Format = TacImageFormat::Unknown;
  // The source had an alpha channel (PNG always counts as having one); otherwise every
  // pixel has alpha 255.
  bool HasAlpha = false;
};

// Images larger than this are refused rather than allocated.
inline constexpr int kMaxImageSide = 16384;
inline constexpr int64_t kMaxImagePixels = int64_t{1} << 25;
bool ImageSizeAllowed(int64_t width, int64_t height);

TacImageFormat SniffImageFormat(std::span<const uint8_t> bytes);

// nullopt for an unknown format, damaged data or an image that is too large.
std::optional<TacDecodedImage> DecodeImage(std::span<const uint8_t> bytes);

// The readers behind DecodeImage.
std::optional<TacDecodedImage> DecodeBmp(std::span<const uint8_t> bytes);
std::optional<TacDecodedImage> DecodePng(std::span<const uint8_t> bytes);
std::optional<TacDecodedImage> DecodeJpeg(std::span<const uint8_t> bytes);
