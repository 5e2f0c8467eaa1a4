#include "skin/forms/logic/acMenuPicture.h"

#include <algorithm>

#include "skin/data/acSkinData.h"
#include "skin/paint/acBlend.h"
#include "skin/paint/acNineSlice.h"
#include "skin/paint/sGraphUtils.h"

namespace {

bool ValidSection(const TacSkinData& data, int index) { return index >= 0 && index < static_cast<int>(data.gd.size()); }

TacElementOwnerData SectionOwner(const TacSkinData& data, int index) {
  TacElementOwnerData owner;
  owner.Data = &data;
  owner.Index = index;
  return owner;
}

bool TransparentPixel(const TacMaskImage& mask, uint32_t p) {
  return mask.HasAlpha() ? PixelA(p) == 0 : IsKeyPixel(p);
}

// Key runs of one border row of the mask: from the left edge, and from the right.
void AddRowRuns(const TacMaskImage& mask, int maskRow, int pictureRow, int pictureWidth, std::vector<TRect>& out) {
  const int left = mask.StateLeft(0);
  int run = 0;
  while (run < mask.WL && TransparentPixel(mask, mask.Source.at(left + run, maskRow))) ++run;
  if (run > 0) out.push_back({0, pictureRow, run, pictureRow + 1});
  int right = 0;
  while (right < mask.WR && TransparentPixel(mask, mask.Source.at(left + mask.Width - 1 - right, maskRow))) ++right;
  if (right > 0) out.push_back({pictureWidth - right, pictureRow, pictureWidth, pictureRow + 1});
}

void PaintExtraLine(const TacSkinData& data, const TacMenuPictureSpec& spec, const PixelBuffer& bmp, int border) {
  const int width = spec.Metrics.ExtraLineWidth;
  const TRect band{border, border, border + width, spec.Size.cy - border};
  if (band.IsEmpty()) return;
  if (ValidSection(data, spec.ExtraLineSection)) {
    const TacElementOwnerData owner = SectionOwner(data, spec.ExtraLineSection);
    PaintElement(owner, MakeCacheInfo(bmp), 0, bmp, {0, 0}, band, false);
  }
  int bottom = band.Bottom - 12;
  if (spec.ExtraLineGlyph && !spec.ExtraLineGlyph->empty()) {
    const PixelImage& glyph = *spec.ExtraLineGlyph;
    const TPoint at{band.Left + (width - glyph.width()) / 2, band.Bottom - spec.Metrics.Spacing - glyph.height()};
    AlphaCopy(bmp, glyph.view(), {0, 0, glyph.width(), glyph.height()}, 255, at);
    bottom -= glyph.height() + 8;
  }
  if (spec.ExtraLineText.empty() || !spec.Painter) return;
  // Written upwards: laid out across a scratch strip, which is then turned a quarter left.
  const TSize text = spec.Painter->Measure(spec.ExtraLineText, spec.ExtraLineFont, tfSingleLine, 4096);
  const int length = std::min(text.cx, bottom - band.Top);
  if (length <= 0) return;
  PixelImage strip(length, width);
  for (int y = 0; y < width; ++y)
    for (int x = 0; x < length; ++x) strip.at(x, y) = bmp.at(band.Left + y, bottom - 1 - x);
  const uint32_t color = ValidSection(data, spec.ExtraLineSection)
                             ? data.gd[spec.ExtraLineSection].Props[0].FontColor.Color
                             : 0;
  spec.Painter->Draw(strip.view(), spec.ExtraLineText, spec.ExtraLineFont, {0, 0, length, width}, color,
                     tfSingleLine | tfVCenter | tfCenter);
  for (int y = 0; y < width; ++y)
    for (int x = 0; x < length; ++x) bmp.at(band.Left + y, bottom - 1 - x) = strip.at(x, y);
}

void Mirror(const PixelBuffer& bmp) {
  for (int y = 0; y < bmp.height; ++y) std::reverse(bmp.row(y), bmp.row(y) + bmp.width);
}

}  // namespace

std::vector<TRect> BorderCornerRects(const TacSkinData& data, int maskIndex, TSize size) {
  std::vector<TRect> rects;
  const TacMaskImage mask = MaskImageOf(data, maskIndex);
  if (!mask.Valid()) return rects;
  for (int row = 0; row < std::min(mask.WT, size.cy); ++row) AddRowRuns(mask, mask.R.Top + row, row, size.cx, rects);
  for (int row = 0; row < std::min(mask.WB, size.cy); ++row)
    AddRowRuns(mask, mask.R.Top + mask.Height - 1 - row, size.cy - 1 - row, size.cx, rects);
  return rects;
}

TacMenuPicture BuildMenuPicture(const TacSkinData& data, const TacMenuPictureSpec& spec) {
  TacMenuPicture picture;
  picture.GlyphColumn = spec.GlyphWidth + spec.Metrics.Margin + spec.Metrics.Spacing;
  if (spec.Size.cx <= 0 || spec.Size.cy <= 0) return picture;
  picture.Bmp = PixelImage(spec.Size.cx, spec.Size.cy, ColorToPixel(SkinGlobalColor(data)));
  const PixelBuffer bmp = picture.Bmp.view();
  const TRect whole{0, 0, spec.Size.cx, spec.Size.cy};
  const int mainMenu = data.Sections[ssMainMenu];
  int border = 0;
  if (ValidSection(data, mainMenu)) {
    picture.SkinBorderWidth = SkinBorderWidthOf(data);
    border = picture.SkinBorderWidth;
    const TacElementOwnerData owner = SectionOwner(data, mainMenu);
    PaintElementBG(owner, MakeCacheInfo(bmp), 0, bmp, {0, 0}, whole);
    if (ValidSection(data, spec.IcoLineSection)) {
      const int left = border + spec.Metrics.ExtraLineWidth;
      const TRect column{left, border, left + picture.GlyphColumn, spec.Size.cy - border};
      PaintElement(SectionOwner(data, spec.IcoLineSection), MakeCacheInfo(bmp), 0, bmp, {0, 0}, column, false);
    }
    const TacMaskImage mask = MaskImageOf(data, data.gd[mainMenu].BorderIndex);
    if (mask.Valid()) {
      PaintNineSlice(bmp, whole, MakeCacheInfo(bmp), mask, 0, false);
      picture.CornerRects = BorderCornerRects(data, data.gd[mainMenu].BorderIndex, spec.Size);
    }
  }
  if (spec.Metrics.ExtraLineWidth > 0) PaintExtraLine(data, spec, bmp, border);
  if (spec.RightToLeft) Mirror(bmp);
  return picture;
}
