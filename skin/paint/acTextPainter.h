#pragma once
// Text output of the painters. Everything else is drawn on pixel buffers by our own code;
// glyphs come from the platform: GDI on Windows (acGdiTextPainter_win.h), a recorder
// with fixed metrics in tests and tools (acTextRecorder.h).
#include <cstdint>
#include <string>
#include <string_view>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"

// Text layout flags. The values are those of the window system's text formats, so the
// GDI painter passes them on unchanged.
enum TacTextFormat : uint32_t {
  tfLeft = 0x0,
  tfCenter = 0x1,
  tfRight = 0x2,
  tfVCenter = 0x4,
  tfBottom = 0x8,
  tfWordBreak = 0x10,
  tfSingleLine = 0x20,
  tfExpandTabs = 0x40,
  tfNoClip = 0x100,
  tfNoPrefix = 0x800,
  tfPathEllipsis = 0x4000,
  tfEndEllipsis = 0x8000,
  tfRtlReading = 0x20000,
  tfWordEllipsis = 0x40000,
  tfHidePrefix = 0x100000,
};

struct TacFont {
  std::u16string Face;
  int Height = -12;  // in pixels at the density drawn for; negative: character height
  int Weight = 400;
  bool Italic = false;
  bool Underline = false;
  uint8_t Charset = 1;  // the window system's default character set
  uint32_t Color = 0;   // COLORREF-style
  bool operator==(const TacFont&) const = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const TSize&) const = default;
};

class ITextPainter {
 public:
  virtual ~ITextPainter() = default;
  // The size text takes when laid out with format in a box maxWidth wide.
  virtual TSize Measure(std::u16string_view text, const TacFont& font, uint32_t format, int maxWidth) = 0;
  // Draws text in color (COLORREF-style) inside r of target, the background left as it
  // is; the pixels the glyphs cover end up opaque (alpha 255). Nothing outside r changes
  // unless format has tfNoClip, and nothing outside target ever.
  virtual void Draw(const PixelBuffer& target, std::u16string_view text, const TacFont& font, TRect r,
                    uint32_t color, uint32_t format) = 0;
};

// Where skinned text goes: a picture, the painter that puts glyphs on it, and the font
// the control has (its colour is the colour of unskinned text).
struct TacTextCanvas {
  PixelBuffer Bmp;
  ITextPainter* Painter = nullptr;
  TacFont Font;
};
