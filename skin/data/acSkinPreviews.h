#pragma once
// The skin list's preview pictures: 140 x 100 each with alpha, numbered in the order they
// were added. Packages carry their preview at twice that size; it is halved on the way in.
#include <cstdint>
#include <span>
#include <vector>

#include "pixels/PixelBuffer.h"

inline constexpr int kPreviewWidth = 140;
inline constexpr int kPreviewHeight = 100;

class TacSkinPreviews {
 public:
  // Adds the PNG picture; its index, or -1 when the bytes are no PNG picture we can read.
  int AddPng(std::span<const uint8_t> png);
  void Add(PixelImage picture) { pictures_.push_back(std::move(picture)); }
  void Clear() { pictures_.clear(); }
  int Count() const { return static_cast<int>(pictures_.size()); }
  const std::vector<PixelImage>& Pictures() const { return pictures_; }

 private:
  std::vector<PixelImage> pictures_;
};
