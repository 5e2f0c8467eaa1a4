#include "skin/data/acShapeGenerator.h"

#include <algorithm>
#include <cmath>

std::vector<uint8_t> SoftRoundRect(int width, int height, int radius, int blur) {
  std::vector<uint8_t> alpha(static_cast<size_t>(std::max(0, width)) * std::max(0, height), 0);
  if (width <= 0 || height <= 0) return alpha;
  const double b = std::clamp(static_cast<double>(blur), 0.0, std::min(width, height) / 2.0);
  const double halfW = width / 2.0 - b, halfH = height / 2.0 - b;  // the opaque core
  const double r = std::clamp(static_cast<double>(radius), 0.0, std::min(halfW, halfH));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Signed distance from the pixel centre to the opaque rounded core.
      const double qx = std::abs(x + 0.5 - width / 2.0) - (halfW - r);
      const double qy = std::abs(y + 0.5 - height / 2.0) - (halfH - r);
      const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);  // sqrt rounds alike on every platform
      const double d = std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
      double a = 1.0;
      if (d > 0) {
        const double t = b > 0 ? std::min(d / b, 1.0) : 1.0;
        a = 1.0 - t * t * (3.0 - 2.0 * t);
      }
      alpha[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(std::lrint(a * 255.0));
    }
  }
  return alpha;
}

PixelImage MakeOuterImage(int width, int height, int radius, int blur, const std::array<TColor, 4>& sideColors) {
  PixelImage image(width, 2 * height);
  const std::vector<uint8_t> shape = SoftRoundRect(width, height, radius, blur);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int distances[4] = {x, y, width - 1 - x, height - 1 - y};
      const int side = static_cast<int>(std::min_element(distances, distances + 4) - distances);
      image.at(x, y) = ColorToPixel(sideColors[side]);
      const uint32_t level = 255 - shape[static_cast<size_t>(y) * width + x];
      image.at(x, height + y) = MakePixel(level, level, level);
    }
  }
  return image;
}

PixelImage MakeWindowShadow(int size, int radius, int offset, TColor color) {
  const int side = 2 * std::max(0, size);
  PixelImage image(side, side, 0);
  // A core of two pixels stays opaque under the window's edge.
  const std::vector<uint8_t> shape = SoftRoundRect(side, side, radius, std::max(0, size - 1));
  const uint32_t opacity = color >> 24;
  for (int y = 0; y < side; ++y) {
    const int sy = y - offset;
    if (sy < 0 || sy >= side) continue;
    for (int x = 0; x < side; ++x) {
      const uint32_t a = shape[static_cast<size_t>(sy) * side + x] * opacity / 255;
      image.at(x, y) = MakePixel((color & 0xFF) * a / 255, (color >> 8 & 0xFF) * a / 255, (color >> 16 & 0xFF) * a / 255, a);
    }
  }
  return image;
}
