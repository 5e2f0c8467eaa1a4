#include "skin/forms/logic/acMenuPicture.h"

#include <algorithm>

#include "skin/data/acSkinData.h"
#include "skin/forms/logic/acMenuSections.h"
#include "skin/paint/acBlend.h"
#include "skin/paint/acNineSlice.h"
#include "skin/paint/sGraphUtils.h"

namespace {

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

void PaintExtraLine(const TacSkinData& data, const TacMenuPictureRequest& request, const PixelBuffer& bmp, int border) {
  const int width = request.Metrics.ExtraLineWidth;
  const TRect band{border, border, border + width, request.Size.cy - border};
  if (band.IsEmpty()) return;
  if (ValidMenuSection(data, request.ExtraLineSection)) {
    const TacElementOwnerData owner = MenuSectionOwner(data, request.ExtraLineSection);
    PaintElement(owner, MakeCacheInfo(bmp), 0, bmp, {0, 0}, band, false);
  }
  int bottom = band.Bottom - 12;
  if (request.ExtraLineGlyph && !request.ExtraLineGlyph->empty()) {
    const PixelImage& glyph = *request.ExtraLineGlyph;
    const TPoint at{band.Left + (width - glyph.width()) / 2, band.Bottom - request.Metrics.Spacing - glyph.height()};
    AlphaCopy(bmp, glyph.view(), {0, 0, glyph.width(), glyph.height()}, 255, at);
    bottom -= glyph.height() + 8;
  }
  if (request.ExtraLineText.empty() || !request.Painter) return;
  // Written upwards: laid out across a scratch strip, which is then turned a quarter left.
  const TSize text = request.Painter->Measure(request.ExtraLineText, request.ExtraLineFont, tfSingleLine, 4096);
  const int length = std::min(text.cx, bottom - band.Top);
  if (length <= 0) return;
  PixelImage strip(length, width);
  for (int y = 0; y < width; ++y)
    for (int x = 0; x < length; ++x) strip.at(x, y) = bmp.at(band.Left + y, bottom - 1 - x);
  const uint32_t color = ValidMenuSection(data, request.ExtraLineSection)
                             ? data.gd[request.ExtraLineSection].Props[0].FontColor.Color
                             : 0;
  request.Painter->Draw(strip.view(), request.ExtraLineText, request.ExtraLineFont, {0, 0, length, width}, color,
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

TacMenuPicture BuildMenuPicture(const TacSkinData& data, const TacMenuPictureRequest& request) {
  TacMenuPicture picture;
  picture.GlyphColumn = request.GlyphWidth + request.Metrics.Margin + request.Metrics.Spacing;
  if (request.Size.cx <= 0 || request.Size.cy <= 0) return picture;
  picture.Bmp = PixelImage(request.Size.cx, request.Size.cy, ColorToPixel(SkinGlobalColor(data)));
  const PixelBuffer bmp = picture.Bmp.view();
  const TRect whole{0, 0, request.Size.cx, request.Size.cy};
  const int mainMenu = data.Sections[ssMainMenu];
  int border = 0;
  if (ValidMenuSection(data, mainMenu)) {
    picture.SkinBorderWidth = SkinBorderWidthOf(data);
    border = picture.SkinBorderWidth;
    const TacElementOwnerData owner = MenuSectionOwner(data, mainMenu);
    PaintElementBG(owner, MakeCacheInfo(bmp), 0, bmp, {0, 0}, whole);
    if (ValidMenuSection(data, request.IcoLineSection)) {
      const int left = border + request.Metrics.ExtraLineWidth;
      const TRect column{left, border, left + picture.GlyphColumn, request.Size.cy - border};
      PaintElement(MenuSectionOwner(data, request.IcoLineSection), MakeCacheInfo(bmp), 0, bmp, {0, 0}, column, false);
    }
    const TacMaskImage mask = MaskImageOf(data, data.gd[mainMenu].BorderIndex);
    if (mask.Valid()) {
      PaintNineSlice(bmp, whole, MakeCacheInfo(bmp), mask, 0, false);
      picture.CornerRects = BorderCornerRects(data, data.gd[mainMenu].BorderIndex, request.Size);
    }
  }
  if (request.Metrics.ExtraLineWidth > 0) PaintExtraLine(data, request, bmp, border);
  if (request.RightToLeft) Mirror(bmp);
  return picture;
}
