#include "skin/forms/logic/acBorderPicture.h"

#include <algorithm>

#include "skin/data/acSkinData.h"
#include "skin/paint/acNineSlice.h"
#include "skin/paint/sGraphUtils.h"

TPoint BorderPictureSize(const TacBorderFrame& f) {
  const int frame = f.ExBorderWidth + f.BorderWidth;
  return {f.Shadow.Left + frame + f.ClientSize.X + frame + f.Shadow.Right,
          f.Shadow.Top + f.TitleHeight + f.MenuLineHeight + f.BorderWidth + f.ClientSize.Y + frame + f.Shadow.Bottom};
}

TPoint BorderClientOffset(const TacBorderFrame& f) {
  return {f.Shadow.Left + f.ExBorderWidth + f.BorderWidth,
          f.Shadow.Top + f.TitleHeight + f.MenuLineHeight + f.BorderWidth};
}

TRect BorderFrameRect(const TacBorderFrame& f) {
  const TPoint size = BorderPictureSize(f);
  return {f.Shadow.Left, f.Shadow.Top, size.X - f.Shadow.Right, size.Y - f.Shadow.Bottom};
}

TacMaskImage ShadowMask(const TacSkinData& data, bool active) {
  const PixelImage& shadow = active ? data.ShdaTemplate : data.ShdiTemplate;
  if (shadow.empty()) return {};
  TacMaskImage m;
  m.Source = shadow.view();
  m.R = {0, 0, shadow.width(), shadow.height()};
  m.Width = shadow.width();
  m.Height = shadow.height();
  m.DrawMode = kBorderStretch;  // copied as it is: the picture starts transparent
  if (data.ExBorder >= 0 && data.ExBorder < static_cast<int>(data.ma.size())) {
    const TsMaskData& source = data.ma[data.ExBorder];
    m.WL = source.WL, m.WT = source.WT, m.WR = source.WR, m.WB = source.WB;
  } else {
    // The generated template keeps a two-pixel core in its middle for the frame.
    m.WL = m.WR = std::max(0, m.Width / 2 - 1);
    m.WT = m.WB = std::max(0, m.Height / 2 - 1);
  }
  return m;
}

TacTitleLayout BorderTitleLayout(const TacTitleInput& frameInput, const TacTitleSkin& skin, int centreOffset) {
  TacTitleLayout t = LayTitleOut(frameInput, skin);
  const int dy = frameInput.CaptionHeight / 2 + centreOffset - t.VCenter;
  t.VCenter += dy;
  t.IconRect = t.IconRect.Offset(0, dy);
  for (TacCaptionButton* b : t.Buttons())
    if (!b->Rect.IsEmpty()) b->Rect = b->Rect.Offset(0, dy);
  return t;
}

void PaintBorderPicture(const TacFramePictureInput& in, const TacBorderFrame& f, bool active,
                        const PixelBuffer& picture, PixelImage& titleEnd) {
  if (picture.empty()) return;
  for (int y = 0; y < picture.height; ++y) std::fill_n(picture.row(y), picture.width, 0u);
  const TRect whole{0, 0, picture.width, picture.height};
  if (in.Data) {
    const TacMaskImage shadow = ShadowMask(*in.Data, active);
    if (shadow.Valid()) PaintNineSlice(picture, whole, TCacheInfo{}, shadow, 0, false);
  }
  const TRect frame = BorderFrameRect(f).Intersect(whole);
  if (frame.IsEmpty()) return;
  PaintFramePicture(in, picture.sub(frame.Left, frame.Top, frame.Width(), frame.Height()), titleEnd);
  // The owner's client area (and menu line) shows through: nothing of the picture may
  // cover it, whether or not the system honours the window region of a layered window.
  const TRect hole =
      BorderClientHole(BorderClientOffset(f), f.ClientSize.X, f.ClientSize.Y, f.MenuLineHeight).Intersect(whole);
  for (int y = hole.Top; y < hole.Bottom; ++y) std::fill_n(picture.row(y) + hole.Left, hole.Width(), 0u);
}

std::vector<TRect> BlurBehindRegion(const PixelBuffer& picture, TRect frame, int cornerSide) {
  const TRect grown{frame.Left - 1, frame.Top - 1, frame.Right + 1, frame.Bottom + 1};
  const TRect area = grown.Intersect({0, 0, picture.width, picture.height});
  if (area.IsEmpty()) return {};
  const int side = std::max(0, cornerSide);
  const TRect corners[] = {
      TRect::FromSize(area.Left, area.Top, side, side),
      TRect::FromSize(area.Right - side, area.Top, side, side),
      TRect::FromSize(area.Left, area.Bottom - side, side, side),
      TRect::FromSize(area.Right - side, area.Bottom - side, side, side),
  };
  auto cut = [&](int x, int y) {
    if ((picture.at(x, y) & 0x00FFFFFFu) != 0) return false;
    for (const TRect& c : corners)
      if (c.Contains(x, y)) return true;
    return false;
  };
  // Row by row, runs of kept pixels; rows away from the corners stay whole.
  std::vector<TRect> rows;
  for (int y = area.Top; y < area.Bottom; ++y) {
    const bool cornerRow = y < area.Top + side || y >= area.Bottom - side;
    if (!cornerRow) {
      rows.push_back({area.Left, y, area.Right, y + 1});
      continue;
    }
    for (int x = area.Left; x < area.Right;) {
      while (x < area.Right && cut(x, y)) ++x;
      const int start = x;
      while (x < area.Right && !cut(x, y)) ++x;
      if (x > start) rows.push_back({start, y, x, y + 1});
    }
  }
  // Equal runs on consecutive rows become one rectangle.
  std::vector<TRect> merged;
  for (const TRect& r : rows) {
    auto same = std::find_if(merged.rbegin(), merged.rend(), [&](const TRect& m) {
      return m.Bottom == r.Top && m.Left == r.Left && m.Right == r.Right;
    });
    if (same != merged.rend()) same->Bottom = r.Bottom;
    else merged.push_back(r);
  }
  return merged;
}
