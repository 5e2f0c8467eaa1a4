#include "pixels/PixelBuffer.h"

#include <algorithm>

PixelBuffer PixelBuffer::sub(int x, int y, int w, int h) const {
  const int x0 = std::clamp(x, 0, width), y0 = std::clamp(y, 0, height);
  const int x1 = std::clamp(x + w, x0, width), y1 = std::clamp(y + h, y0, height);
  if (x1 <= x0 || y1 <= y0) return {};
  return {row(y0) + x0, x1 - x0, y1 - y0, stride};
}

void PixelBuffer::fill(uint32_t pixel) const {
  for (int y = 0; y < height; ++y) std::fill_n(row(y), width, pixel);
}

PixelImage::PixelImage(int width, int height, uint32_t fill) { resize(width, height, fill); }

void PixelImage::resize(int width, int height, uint32_t fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  data_.assign(static_cast<std::size_t>(width_) * height_, fill);
}
