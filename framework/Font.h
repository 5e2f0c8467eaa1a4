#pragma once
// A font by face name, height and character set, with its colour. The height is given
// for 96 dots per inch (negative: character height in pixels, as in LOGFONT); the GDI
// font for another density is made on demand and kept until the next one is asked for.
#include <windows.h>

#include <string>

#include "framework/Color.h"
#include "common/GdiHandles.h"

namespace marv {

class Font {
 public:
  Font(std::wstring face, int height, BYTE charset = DEFAULT_CHARSET, Color color = kWindowTextColor)
      : face_(std::move(face)), height_(height), charset_(charset), color_(color) {}
  Font(const Font& other) : Font(other.face_, other.height_, other.charset_, other.color_) {}
  Font& operator=(const Font& other);

  const std::wstring& Face() const { return face_; }
  int Height() const { return height_; }
  BYTE Charset() const { return charset_; }
  Color TextColor() const { return color_; }
  void SetTextColor(Color color) { color_ = color; }

  // The height in pixels at this density (negative like Height()).
  int HeightAt(int dpi) const;
  // The GDI font at this density; owned by this object.
  HFONT Handle(int dpi) const;

 private:
  std::wstring face_;
  int height_;
  BYTE charset_;
  Color color_;
  mutable UniqueFont handle_;
  mutable int handleDpi_ = 0;
};

}  // namespace marv
