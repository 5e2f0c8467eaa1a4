#include "skin/paint/acGdiTextPainter_win.h"

#include <algorithm>
#include <string>

#include "skin/base/acPixelOps.h"

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text goes to GDI as it is");

const wchar_t* Wide(std::u16string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }

// Untouched scratch pixels carry this alpha; GDI text changes the colour, the alpha or both.
constexpr uint32_t kMarkAlpha = 0x01000000u;

}  // namespace

TacGdiTextPainter::TacGdiTextPainter() : dc_(CreateCompatibleDC(nullptr)) {}

HFONT TacGdiTextPainter::FontFor(const TacFont& font) {
  if (font_ && fontKey_.Face == font.Face && fontKey_.Height == font.Height && fontKey_.Weight == font.Weight &&
      fontKey_.Italic == font.Italic && fontKey_.Underline == font.Underline && fontKey_.Charset == font.Charset) {
    return font_.get();
  }
  LOGFONTW lf{};
  lf.lfHeight = font.Height;
  lf.lfWeight = font.Weight;
  lf.lfItalic = font.Italic;
  lf.lfUnderline = font.Underline;
  lf.lfCharSet = font.Charset;
  lf.lfQuality = DEFAULT_QUALITY;
  const size_t n = std::min(font.Face.size(), static_cast<size_t>(LF_FACESIZE - 1));
  std::copy_n(Wide(font.Face), n, lf.lfFaceName);
  font_.reset(CreateFontIndirectW(&lf));
  fontKey_ = font;
  return font_.get();
}

bool TacGdiTextPainter::EnsureScratch(int width, int height) {
  if (scratch_ && width <= scratchWidth_ && height <= scratchHeight_) return true;
  width = std::max(width, scratchWidth_);
  height = std::max(height, scratchHeight_);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down, like every picture of ours
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  marv::UniqueBitmap bitmap(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return false;
  scratch_ = std::move(bitmap);
  scratchBits_ = static_cast<uint32_t*>(bits);
  scratchWidth_ = width;
  scratchHeight_ = height;
  return true;
}

TSize TacGdiTextPainter::Measure(std::u16string_view text, const TacFont& font, uint32_t format, int maxWidth) {
  if (!dc_ || text.empty()) return {};
  marv::SelectedObject selected(dc_.get(), FontFor(font));
  RECT rc{0, 0, std::max(maxWidth, 0), 0};
  DrawTextW(dc_.get(), Wide(text), static_cast<int>(text.size()), &rc, format | DT_CALCRECT);
  return {rc.right - rc.left, rc.bottom - rc.top};
}

void TacGdiTextPainter::Draw(const PixelBuffer& target, std::u16string_view text, const TacFont& font, TRect r,
                             uint32_t color, uint32_t format) {
  const TRect clip = (format & tfNoClip) ? BufferRect(target) : r.Intersect(BufferRect(target));
  if (!dc_ || text.empty() || clip.IsEmpty() || !EnsureScratch(clip.Width(), clip.Height())) return;
  const int w = clip.Width(), h = clip.Height();
  auto scratchRow = [&](int y) { return scratchBits_ + static_cast<size_t>(y) * scratchWidth_; };
  for (int y = 0; y < h; ++y) {
    const uint32_t* src = target.row(clip.Top + y) + clip.Left;
    uint32_t* dst = scratchRow(y);
    for (int x = 0; x < w; ++x) dst[x] = (src[x] & 0xFFFFFFu) | kMarkAlpha;
  }
  {
    marv::SelectedObject bitmap(dc_.get(), scratch_.get());
    marv::SelectedObject selectedFont(dc_.get(), FontFor(font));
    const int oldMode = SetBkMode(dc_.get(), TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc_.get(), color & 0xFFFFFFu);
    RECT rc{r.Left - clip.Left, r.Top - clip.Top, r.Right - clip.Left, r.Bottom - clip.Top};
    DrawTextW(dc_.get(), Wide(text), static_cast<int>(text.size()), &rc, format);
    SetTextColor(dc_.get(), oldColor);
    SetBkMode(dc_.get(), oldMode);
    GdiFlush();
  }
  // Copy back only what the glyphs changed, opaque.
  for (int y = 0; y < h; ++y) {
    uint32_t* dst = target.row(clip.Top + y) + clip.Left;
    const uint32_t* drawn = scratchRow(y);
    for (int x = 0; x < w; ++x) {
      if (drawn[x] != ((dst[x] & 0xFFFFFFu) | kMarkAlpha)) dst[x] = (drawn[x] & 0xFFFFFFu) | 0xFF000000u;
    }
  }
}
