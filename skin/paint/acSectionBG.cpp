// The background layer of a section: an opaque layer of colour, texture and gradient,
// and how much of the parent's background shows through it.
#include <algorithm>
#include <span>

#include "skin/data/acSkinData.h"
#include "skin/paint/acBlend.h"
#include "skin/base/acColorMix.h"
#include "skin/paint/acGradient.h"
#include "skin/base/acPixelOps.h"
#include "skin/paint/acTexture.h"
#include "skin/paint/sGraphUtils.h"

namespace {

struct OpaqueLayer {
  uint32_t color = 0xFFFFFF;
  int imagePercent = 0;
  int gradientPercent = 0;
  TacMaskImage texture;                     // used when imagePercent > 0
  std::span<const TsGradPoint> gradient;    // used when gradientPercent > 0
};

// A gradient of one colour, for blending a plain colour the way gradients are blended.
std::array<TsGradPoint, 1> SolidGradient(uint32_t color) {
  TsGradPoint p;
  p.Color = TsColor::FromValue(color | 0xFF000000u);
  return {p};
}

void PaintOpaqueLayer(const PixelBuffer& bmp, TRect r, const OpaqueLayer& l) {
  const int i = l.imagePercent, g = l.gradientPercent;
  // Texture first; what it leaves uncovered takes the colour. (Texture mode 0 under a
  // gradient needs no pass of its own: the blend below is the same single pass.)
  const bool textured = i > 0 && l.texture.Valid();
  if (textured) {
    FillBitmapRect(bmp, PaintTexture(bmp, r, l.texture.DrawMode, l.texture), l.color);
  } else if (i > 0) {
    FillBitmapRect(bmp, r, l.color);  // a texture the skin names but does not have
  }
  if (g > 0) {
    const auto solid = SolidGradient(l.color);
    const std::span<const TsGradPoint> points = l.gradient.empty() ? std::span<const TsGradPoint>(solid) : l.gradient;
    if (textured) {
      BlendGradient(bmp, r, points, std::min(i * 255 / 100, 255));
    } else {
      PaintGradient(bmp, r, points);
    }
  }
  const int s = i + g;
  if (s == 0) {
    FillBitmapRect(bmp, r, l.color);
  } else if (s < 100) {
    BlendColorOver(bmp, r, s * 255 / 100, l.color);
  }
}

// Every pixel of r becomes (keep·(parent - layer) + layer·256) >> 8: the layer already in
// r, seen through by the parent's picture or colour at weight keep.
void ShowParentThrough(const PixelBuffer& bmp, TRect r, const TCacheInfo& ci, TPoint offset, int keep,
                       const PixelBuffer& parent) {
  const bool ready = ci.Ready && !parent.empty();
  const uint32_t fill = ColorToPixel(ci.FillColor);
  const int dx = ci.X + offset.X, dy = ci.Y + offset.Y;
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bmp.row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      uint32_t under = fill;
      if (ready) {
        if (!parent.contains(x + dx, y + dy)) continue;  // nothing known there: the layer stays
        under = parent.at(x + dx, y + dy);
      }
      row[x] = KeepBlendPixel(under, row[x], keep);
    }
  }
}

// Fully transparent over a parent that is not ready: only its border strips (FillRect, in
// the parent picture's coordinates) come from its picture, the rest is its colour.
void ShowParentBorderStrips(const PixelBuffer& bmp, TRect r, const TCacheInfo& ci, TPoint offset) {
  const PixelBuffer& p = ci.Bmp;
  const TRect inner{ci.FillRect.Left, ci.FillRect.Top, p.width - ci.FillRect.Right, p.height - ci.FillRect.Bottom};
  const uint32_t fill = ColorToPixel(ci.FillColor);
  const int dx = ci.X + offset.X, dy = ci.Y + offset.Y;
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bmp.row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const int bx = x + dx, by = y + dy;
      row[x] = p.contains(bx, by) && !inner.Contains(bx, by) ? p.at(bx, by) : fill;
    }
  }
}

}  // namespace

void FillSectionBG(int skinIndex, const TCacheInfo& ci, int state, uint32_t customColor, const TacSkinData& data,
                   const PixelBuffer& bmp, TPoint offset, TRect r) {
  if (skinIndex < 0 || skinIndex >= static_cast<int>(data.gd.size()) || bmp.empty()) return;
  r = r.Intersect(BufferRect(bmp));
  if (r.IsEmpty()) return;
  const TsGeneralData& section = data.gd[skinIndex];
  const TsGenState& p = section.Props[std::clamp(std::min(state, section.States - 1), 0, 2)];

  OpaqueLayer layer;
  int t = 0;
  bool overlay = false;
  if (IsKeyColor(customColor)) {
    overlay = !p.GradientArray.empty() && (p.GradientArray[0].Mode & kGradOverlay);
    layer.color = p.Color;
    t = std::clamp(p.Transparency, 0, 100);
    if (t < 100) {
      layer.imagePercent = std::max(p.ImagePercent, 0);
      if (layer.imagePercent > 0) layer.texture = MaskImageOf(data, p.TextureIndex);
      if (!overlay) {
        layer.gradientPercent = std::max(p.GradientPercent, 0);
        layer.gradient = p.GradientArray;
      }
    }
  } else {
    layer.color = customColor;
  }

  const int keep = t * 255 / 100;
  if (!ci.Known() || t == 0) {
    PaintOpaqueLayer(bmp, r, layer);
  } else if (t == 100) {
    if (ci.Ready && !ci.Bmp.empty()) {
      CopyBitmapRect(bmp, r, ci.Bmp, {r.Left + ci.X + offset.X, r.Top + ci.Y + offset.Y});
    } else if (!ci.Bmp.empty()) {
      ShowParentBorderStrips(bmp, r, ci, offset);
    } else {
      FillBitmapRect(bmp, r, ci.FillColor);
    }
  } else if (ci.Ready || layer.imagePercent + layer.gradientPercent > 0) {
    // The parent may be this very picture: keep what is under r before painting over it.
    PixelImage saved;
    PixelBuffer parent = ci.Bmp;
    TCacheInfo under = ci;
    if (ci.Ready && SamePixels(ci.Bmp, bmp)) {
      saved.resize(r.Width(), r.Height());
      CopyBitmapRect(saved.view(), {0, 0, r.Width(), r.Height()}, bmp, {r.Left + ci.X + offset.X, r.Top + ci.Y + offset.Y});
      parent = saved.view();
      under.X = -r.Left - offset.X;
      under.Y = -r.Top - offset.Y;
    }
    PaintOpaqueLayer(bmp, r, layer);
    ShowParentThrough(bmp, r, under, offset, keep, parent);
  } else {
    FillBitmapRect(bmp, r, MixColor(ci.FillColor, layer.color, keep));
  }
  if (overlay) PaintGradient(bmp, r, p.GradientArray);
}
