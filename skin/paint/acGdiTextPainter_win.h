#pragma once
// Text through GDI: DrawTextW into a scratch DIB section that holds a copy of the target
// area, then back into the target, where every pixel the glyphs touched becomes opaque.
// GDI writes alpha 0 (or leaves the alpha byte alone) where it draws, which would make
// captions vanish from pictures that keep their alpha, such as layered windows.
#include <windows.h>

#include "common/GdiHandles.h"
#include "skin/paint/acTextPainter.h"

class TacGdiTextPainter final : public ITextPainter {
 public:
  TacGdiTextPainter();
  TSize Measure(std::u16string_view text, const TacFont& font, uint32_t format, int maxWidth) override;
  void Draw(const PixelBuffer& target, std::u16string_view text, const TacFont& font, TRect r, uint32_t color,
            uint32_t format) override;

 private:
  HFONT FontFor(const TacFont& font);
  bool EnsureScratch(int width, int height);

  marv::UniqueMemoryDc dc_;
  marv::UniqueBitmap scratch_;
  uint32_t* scratchBits_ = nullptr;
  int scratchWidth_ = 0, scratchHeight_ = 0;
  marv::UniqueFont font_;
  TacFont fontKey_;
};
