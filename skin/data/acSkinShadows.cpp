// The window shadow: templates cut from the extended border picture, or generated.
#include <algorithm>

#include "skin/data/acShapeGenerator.h"
#include "skin/data/acSkinData.h"
#include "skin/base/acSkinPixels.h"

const PixelImage& TacSkinData::GetActiveShadow() {
  if (!rsta_) rsta_ = MakeWindowShadow(WndShadowSize, WndShadowRadius, WndShadowOffset, WndShadowColorA);
  return *rsta_;
}

const PixelImage& TacSkinData::GetPassiveShadow() {
  if (!rsti_) rsti_ = MakeWindowShadow(WndShadowSize, WndShadowRadius, WndShadowOffset, WndShadowColorN);
  return *rsti_;
}

void TacSkinData::CheckShadows() {
  if (FOwner == nullptr || !FOwner->Settings().Active || !FOwner->Settings().ExtendedBorders) {
    FormShadowSize = {};
    return;
  }
  ShdaTemplate = {};
  ShdiTemplate = {};
  if (ExBorder >= 0) {
    const TsMaskData& m = ma[ExBorder];
    const int c = ExContentOffs;
    FormShadowSize = ExDrawMode != 0 ? TRect{c, c, c, c}
                                     : TRect{std::max(0, m.WL - c), std::max(0, m.WT - c), std::max(0, m.WR - c),
                                               std::max(0, m.WB - c)};
    const PixelBuffer source = MaskSource(m);
    ShdiTemplate = CopyImage(source.sub(m.R.Left, m.R.Top, m.Width, m.Height));
    ShdaTemplate = m.ImageCount > 1 ? CopyImage(source.sub(m.R.Left + m.Width, m.R.Top, m.Width, m.Height)) : ShdiTemplate;
    return;
  }
  ShdaTemplate = GetActiveShadow();
  ShdiTemplate = GetPassiveShadow();
  const int s = WndShadowSize, o = WndShadowOffset;
  FormShadowSize = {s, std::max(0, s - o), s, std::max(0, s + o)};
}
