#include "skin/data/acSkinPreviews.h"

#include "skin/base/acResample.h"
#include "skin/data/acImageDecode.h"

int TacSkinPreviews::AddPng(std::span<const uint8_t> png) {
  if (SniffImageFormat(png) != TacImageFormat::Png) return -1;
  auto decoded = DecodeImage(png);
  if (!decoded || decoded->Pixels.empty()) return -1;
  PixelImage picture;
  // A box filter at exactly 2:1 averages each 2 x 2 block: no blur beyond the halving.
  ResampleBitmap(decoded->Pixels.view(), picture, kPreviewWidth, ResampleFilter::Box, kPreviewHeight);
  pictures_.push_back(std::move(picture));
  return Count() - 1;
}
