#pragma once
// A 32-bit top-down DIB section: GDI can draw into it through Dc(), and its memory is
// the project's pixel buffer, so pixel code works on the very same picture.
#include <windows.h>

#include "pixels/PixelBuffer.h"
#include "common/GdiHandles.h"

namespace marv {

class DibBitmap {
 public:
  DibBitmap() = default;
  DibBitmap(int width, int height) { Resize(width, height); }
  ~DibBitmap() { Release(); }
  DibBitmap(DibBitmap&& other) noexcept { *this = std::move(other); }
  DibBitmap& operator=(DibBitmap&& other) noexcept;
  DibBitmap(const DibBitmap&) = delete;
  DibBitmap& operator=(const DibBitmap&) = delete;

  // Makes a new picture of this size, all pixels 0; a size of 0 leaves it empty.
  // Returns false when GDI could not make it (the bitmap is then empty).
  bool Resize(int width, int height);

  bool Empty() const { return bits_ == nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HBITMAP Handle() const { return bitmap_.get(); }
  // A memory DC with the bitmap selected, made on first use.
  HDC Dc() const;
  // The pixels; call GdiFlush() first when GDI drew into Dc() since the last read.
  PixelBuffer Pixels() const { return {bits_, width_, height_, width_}; }

 private:
  void Release();

  UniqueBitmap bitmap_;
  mutable UniqueMemoryDc dc_;
  mutable HGDIOBJ dcPrevious_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace marv
