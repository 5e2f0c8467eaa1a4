#pragma once
// The one picture type of the project: 32-bit pixels, top-down rows, BGRA in memory
// (a pixel read as uint32_t is 0xAARRGGBB). PixelBuffer is a non-owning view;
// PixelImage owns its pixels. On Windows a top-down DIB section wraps the same layout.
#include <cstddef>
#include <cstdint>
#include <vector>

struct PixelBuffer {
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // in pixels, >= width

  bool empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
  uint32_t* row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
  uint32_t& at(int x, int y) const { return row(y)[x]; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  // A view of the rectangle (x, y, w, h), clipped to this buffer.
  PixelBuffer sub(int x, int y, int w, int h) const;
  void fill(uint32_t pixel) const;
};

class PixelImage {
 public:
  PixelImage() = default;
  PixelImage(int width, int height, uint32_t fill = 0);
  void resize(int width, int height, uint32_t fill = 0);
  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  PixelBuffer view() { return {data_.data(), width_, height_, width_}; }
  PixelBuffer view() const { return {const_cast<uint32_t*>(data_.data()), width_, height_, width_}; }
  uint32_t at(int x, int y) const { return data_[static_cast<std::size_t>(y) * width_ + x]; }
  uint32_t& at(int x, int y) { return data_[static_cast<std::size_t>(y) * width_ + x]; }
  const std::vector<uint32_t>& data() const { return data_; }
  bool operator==(const PixelImage&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> data_;
};

// Pixel <-> colour conversions. Skin colours are COLORREF-style (red in the low byte).
constexpr uint32_t PixelA(uint32_t p) { return p >> 24; }
constexpr uint32_t PixelR(uint32_t p) { return (p >> 16) & 0xFF; }
constexpr uint32_t PixelG(uint32_t p) { return (p >> 8) & 0xFF; }
constexpr uint32_t PixelB(uint32_t p) { return p & 0xFF; }
constexpr uint32_t MakePixel(uint32_t r, uint32_t g, uint32_t b, uint32_t a = 255) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr uint32_t ColorToPixel(uint32_t colorref, uint32_t a = 255) {
  return MakePixel(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF, a);
}
constexpr uint32_t PixelToColor(uint32_t p) { return PixelR(p) | (PixelG(p) << 8) | (PixelB(p) << 16); }
