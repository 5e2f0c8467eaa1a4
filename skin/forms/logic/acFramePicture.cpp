#include "skin/forms/logic/acFramePicture.h"

#include <algorithm>

#include "skin/base/acSkinPixels.h"
#include "skin/data/acSkinData.h"
#include "skin/paint/acBlend.h"
#include "skin/paint/acNineSlice.h"
#include "skin/paint/acSkinnedText.h"
#include "skin/paint/sGraphUtils.h"

namespace {

constexpr int kInactiveButtonOpacity = 127;

int SectionState(const TacSkinData& data, int index, bool active) {
  if (index < 0 || index >= static_cast<int>(data.gd.size())) return 0;
  return std::clamp(active ? 1 : 0, 0, std::max(data.gd[index].States - 1, 0));
}

TacElementOwnerData SectionOwner(const TacSkinData& data, int index) {
  TacElementOwnerData owner;
  owner.Data = &data;
  owner.Index = index;
  return owner;
}

int FadingSlot(int hitCode) {
  switch (hitCode) {
    case kHitClose: return 0;
    case kHitMaxButton: return 1;
    case kHitMinButton: return 2;
    default: return 3;
  }
}

void PaintCaptionText(const TacFramePictureInput& in, const PixelBuffer& picture) {
  if (in.Caption.empty() || !in.Painter || in.Sections.Title < 0) return;
  const TacTitleLayout& t = in.Title;
  TRect r = t.CaptionRect;
  if (r.IsEmpty()) return;
  const TacSkinData& data = *in.Data;
  const int state = SectionState(data, in.Sections.Title, in.Active);
  if (in.Sections.Caption >= 0) {
    const TRect behind{r.Left - 4, r.Top - 2, r.Right + 4, r.Bottom + 2};
    // The picture is its own background here: a see-through caption section shows the title.
    PaintElement(SectionOwner(data, in.Sections.Caption), MakeCacheInfo(picture), state, picture, {0, 0}, behind,
                 false);
  }
  const uint32_t format = tfLeft | tfSingleLine | tfVCenter | tfNoPrefix | tfEndEllipsis;
  const TSize size = in.Painter->Measure(in.Caption, in.CaptionFont, format, r.Width());
  // Centred at VCenter - 1 as the text's own height would place it, but no lower than the
  // title's top: glyphs of a fallback font can stand taller than the font's line.
  const int centre = t.VCenter - 1;
  const int half = std::max(size.cy / 2, centre);
  r.Top = centre - half;
  r.Bottom = centre + half + (size.cy % 2);
  const TacTextCanvas canvas{picture, in.Painter, in.CaptionFont};
  WriteSectionText(canvas, in.Caption, true, data, state, in.Sections.Title, format, r);
}

void PaintIcon(const TacFramePictureInput& in, const PixelBuffer& picture) {
  const TRect r = in.Title.IconRect;
  if (in.Icon.empty() || r.IsEmpty()) return;
  const int x = r.Left + (r.Width() - in.Icon.width) / 2, y = r.Top + (r.Height() - in.Icon.height) / 2;
  AlphaCopy(picture, in.Icon, {0, 0, in.Icon.width, in.Icon.height}, 255, {x, y});
}

}  // namespace

TacFrameSections FindFrameSections(const TacSkinData& data) {
  return {data.GetSkinIndex("FORM"), data.GetSkinIndex("FORMTITLE"), data.GetSkinIndex("CAPTION")};
}

TacTitleSkin TitleSkinOf(const TacSkinData& data) {
  TacTitleSkin s;
  for (size_t g = 0; g < s.GlyphWidth.size(); ++g) {
    const TacMaskImage m = MaskImageOf(data, data.TitleGlyphs[g]);
    s.GlyphWidth[g] = m.Valid() ? m.Width : 0;
  }
  const TacMaskImage close = MaskImageOf(data, data.TitleGlyphs[tgClose]);
  s.CloseHeight = close.Valid() ? close.Height : 0;
  s.Spacing = data.Spacing;
  s.BILeftMargin = data.BILeftMargin;
  s.BIRightMargin = data.BIRightMargin;
  s.BITopMargin = data.BITopMargin;
  s.BISpacing = data.BISpacing;
  s.CaptionSection = data.GetSkinIndex("CAPTION") >= 0;
  return s;
}

TRect TitleEndRect(const TacTitleLayout& title, int pictureWidth) {
  int top = title.HeaderHeight, bottom = 0;
  for (const TacCaptionButton* b : title.Buttons()) {
    if (!b->Visible()) continue;
    top = std::min(top, b->Rect.Top);
    bottom = std::max(bottom, b->Rect.Bottom);
  }
  top = std::min(top, 0);
  bottom = std::max(bottom, title.HeaderHeight);
  return TRect{std::max(0, title.ButtonsLeft - 10), top, pictureWidth, bottom};
}

void PaintFramePicture(const TacFramePictureInput& in, const PixelBuffer& picture, PixelImage& titleEnd) {
  if (!in.Data || picture.empty() || in.Sections.Form < 0) return;
  const TacSkinData& data = *in.Data;
  const TRect whole{0, 0, picture.width, picture.height};
  PaintElement(SectionOwner(data, in.Sections.Form), TCacheInfo{}, SectionState(data, in.Sections.Form, in.Active),
               picture, {0, 0}, whole, false);
  const TacTitleLayout& t = in.Title;
  if (in.Sections.Title >= 0 && t.HeaderHeight > 0) {
    const TRect title{0, t.CaptionRect.Top, picture.width, t.HeaderHeight};
    PaintElement(SectionOwner(data, in.Sections.Title), MakeCacheInfo(picture),
                 SectionState(data, in.Sections.Title, in.Active), picture, {title.Left, title.Top}, title, true);
  }
  PaintIcon(in, picture);
  PaintCaptionText(in, picture);

  const TRect end = TitleEndRect(t, picture.width).Intersect(whole);
  titleEnd = PixelImage(std::max(end.Width(), 1), std::max(end.Height(), 1));
  if (!end.IsEmpty()) CopyBitmapRect(titleEnd.view(), {0, 0, end.Width(), end.Height()}, picture, {end.Left, end.Top});
  for (const TacCaptionButton* b : t.Buttons())
    if (b->Visible()) PaintCaptionButton(in, *b, in.Fading[FadingSlot(b->HitCode)], picture, titleEnd.view());
}

void PaintCaptionButton(const TacFramePictureInput& in, const TacCaptionButton& button, bool fading,
                        const PixelBuffer& picture, const PixelBuffer& titleEnd) {
  if (!in.Data || !button.Visible() || button.Rect.IsEmpty()) return;
  const TRect end = TitleEndRect(in.Title, picture.width);
  const TRect r = button.Rect.Intersect({0, 0, picture.width, picture.height});
  if (!r.IsEmpty() && !titleEnd.empty())
    CopyBitmapRect(picture, r, titleEnd, {r.Left - end.Left, r.Top - end.Top});
  const TacMaskImage glyph = MaskImageOf(*in.Data, in.Data->TitleGlyphs[button.Glyph]);
  if (!glyph.Valid()) return;
  const int state = fading ? 0 : button.State;
  const bool dimmed = !in.Active || !in.Enabled;
  const bool atHalf = dimmed && (state == 0 || fading);
  if (!atHalf) {
    DrawMaskImage(picture, {button.Rect.Left, button.Rect.Top}, state, MakeCacheInfo(picture), glyph);
    return;
  }
  // The glyph drawn on a copy of what lies under it, then mixed into the picture.
  PixelImage over(button.Rect.Width(), button.Rect.Height());
  CopyBitmapRect(over.view(), {0, 0, over.width(), over.height()}, picture, {button.Rect.Left, button.Rect.Top});
  DrawMaskImage(over.view(), {0, 0}, state, MakeCacheInfo(over.view()), glyph);
  BlendBitmaps(picture, over.view(), 255 - kInactiveButtonOpacity, {0, 0},
               button.Rect);
}

PixelImage CaptionButtonImage(const TacFramePictureInput& in, const TacCaptionButton& button, int state,
                              const PixelBuffer& titleEnd, int pictureWidth) {
  PixelImage image(std::max(button.Rect.Width(), 1), std::max(button.Rect.Height(), 1));
  const TRect end = TitleEndRect(in.Title, pictureWidth);
  CopyBitmapRect(image.view(), {0, 0, image.width(), image.height()}, titleEnd,
                 {button.Rect.Left - end.Left, button.Rect.Top - end.Top});
  if (!in.Data) return image;
  const TacMaskImage glyph = MaskImageOf(*in.Data, in.Data->TitleGlyphs[button.Glyph]);
  if (glyph.Valid()) DrawMaskImage(image.view(), {0, 0}, state, MakeCacheInfo(image.view()), glyph);
  return image;
}

std::vector<TRect> FrameRegionHoles(const TacSkinData& data, const TacFrameSections& sections, TPoint size) {
  std::vector<TRect> holes;
  auto collect = [&](int sectionIndex, bool bottomToo) {
    if (sectionIndex < 0 || sectionIndex >= static_cast<int>(data.gd.size())) return;
    const TacMaskImage m = MaskImageOf(data, data.gd[sectionIndex].BorderIndex);
    if (!m.Valid()) return;
    const int left = m.StateLeft(0);
    auto corner = [&](int sx, int sy, int w, int h, int dx, int dy) {
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          if (!m.Source.contains(sx + x, sy + y) || !IsKeyPixel(m.Source.at(sx + x, sy + y))) continue;
          const TRect hole = TRect::FromSize(dx + x, dy + y, 1, 1);
          if (!holes.empty() && holes.back().Top == hole.Top && holes.back().Right == hole.Left &&
              holes.back().Bottom == hole.Bottom)
            holes.back().Right = hole.Right;
          else
            holes.push_back(hole);
        }
      }
    };
    corner(left, m.R.Top, m.WL, m.WT, 0, 0);
    corner(left + m.Width - m.WR, m.R.Top, m.WR, m.WT, size.X - m.WR, 0);
    if (bottomToo) {
      corner(left, m.R.Top + m.Height - m.WB, m.WL, m.WB, 0, size.Y - m.WB);
      corner(left + m.Width - m.WR, m.R.Top + m.Height - m.WB, m.WR, m.WB, size.X - m.WR, size.Y - m.WB);
    }
  };
  collect(sections.Form, true);
  collect(sections.Title, false);
  return holes;
}
