#include "framework/DibBitmap.h"

#include <utility>

namespace marv {

DibBitmap& DibBitmap::operator=(DibBitmap&& other) noexcept {
  if (this != &other) {
    Release();
    bitmap_ = std::move(other.bitmap_);
    dc_ = std::move(other.dc_);
    dcPrevious_ = std::exchange(other.dcPrevious_, nullptr);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
  }
  return *this;
}

void DibBitmap::Release() {
  if (dc_) {
    SelectObject(dc_.get(), dcPrevious_);
    dc_.reset();
  }
  bitmap_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

bool DibBitmap::Resize(int width, int height) {
  Release();
  if (width <= 0 || height <= 0) return true;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) {
    bitmap_.reset();
    return false;
  }
  bits_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
  Pixels().fill(0);
  return true;
}

HDC DibBitmap::Dc() const {
  if (!dc_ && bitmap_) {
    dc_.reset(CreateCompatibleDC(nullptr));
    dcPrevious_ = SelectObject(dc_.get(), bitmap_.get());
  }
  return dc_.get();
}

}  // namespace marv
