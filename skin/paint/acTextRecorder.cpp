#include "skin/paint/acTextRecorder.h"

#include <algorithm>
#include <cstdlib>

#include "skin/base/acPixelOps.h"

TSize TacTextRecorder::CellSize(const TacFont& font) {
  const int h = std::max(std::abs(font.Height), 1);
  return {std::max(h / 2, 1), h};
}

TSize TacTextRecorder::Measure(std::u16string_view text, const TacFont& font, uint32_t, int) {
  const TSize cell = CellSize(font);
  return {cell.cx * static_cast<int>(text.size()), text.empty() ? 0 : cell.cy};
}

void TacTextRecorder::Draw(const PixelBuffer& target, std::u16string_view text, const TacFont& font, TRect r,
                           uint32_t color, uint32_t format) {
  calls.push_back({std::u16string(text), font, r, color, format});
  const TSize cell = CellSize(font);
  const TSize size = Measure(text, font, format, r.Width());
  int x = r.Left, y = r.Top;
  if (format & tfCenter) x = r.Left + (r.Width() - size.cx) / 2;
  if (format & tfRight) x = r.Right - size.cx;
  if ((format & tfSingleLine) && (format & tfVCenter)) y = r.Top + (r.Height() - size.cy) / 2;
  if ((format & tfSingleLine) && (format & tfBottom)) y = r.Bottom - size.cy;
  const TRect clip = (format & tfNoClip) ? BufferRect(target) : r.Intersect(BufferRect(target));
  const uint32_t pixel = ColorToPixel(color);
  for (char16_t ch : text) {
    if (ch != u' ') {
      const TRect box = TRect::FromSize(x, y, std::max(cell.cx - 1, 1), cell.cy).Intersect(clip);
      for (int py = box.Top; py < box.Bottom; ++py) std::fill_n(target.row(py) + box.Left, box.Width(), pixel);
    }
    x += cell.cx;
  }
}
