#pragma once
// A text painter with fixed metrics for tests and tools without a window system: it
// remembers every call and draws each character as a solid box, so that layout, colours,
// order and glow can be checked pixel by pixel.
#include <vector>

#include "skin/paint/acTextPainter.h"

class TacTextRecorder final : public ITextPainter {
 public:
  struct Call {
    std::u16string Text;
    TacFont Font;
    TRect R;
    uint32_t Color;
    uint32_t Format;
  };

  // A character cell is |height| / 2 wide (at least 1) and |height| high; each glyph
  // box leaves the cell's last column empty. Spaces draw nothing.
  static TSize CellSize(const TacFont& font);

  TSize Measure(std::u16string_view text, const TacFont& font, uint32_t format, int maxWidth) override;
  void Draw(const PixelBuffer& target, std::u16string_view text, const TacFont& font, TRect r, uint32_t color,
            uint32_t format) override;

  std::vector<Call> calls;
};
