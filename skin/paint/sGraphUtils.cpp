#include "skin/paint/sGraphUtils.h"

#include <algorithm>

#include "skin/data/acSkinData.h"
#include "skin/base/acColorOps.h"
#include "skin/paint/acNineSlice.h"

TacMaskImage MaskImageOf(const TacSkinData& data, int maskIndex) {
  TacMaskImage m;
  if (maskIndex < 0 || maskIndex >= static_cast<int>(data.ma.size())) return m;
  const TsMaskData& md = data.ma[maskIndex];
  m.Source = data.MaskSource(md);
  m.R = md.R;
  m.Width = md.Width;
  m.Height = md.Height;
  m.ImageCount = std::max(md.ImageCount, 1);
  m.MaskType = md.MaskType;
  m.DrawMode = md.DrawMode;
  m.ImgType = static_cast<int>(md.ImgType);
  m.WL = md.WL, m.WT = md.WT, m.WR = md.WR, m.WB = md.WB;
  m.Cfg = md.Cfg;
  return m;
}

uint32_t SkinColorToRGB(const TacSkinData& data, uint32_t color) {
  return data.FOwner ? data.FOwner->SkinColorToRGB(color) : color;
}

uint32_t SkinGlobalColor(const TacSkinData& data) {
  return data.FOwner ? data.FOwner->Palette()[pcMainColor] : 0xFFFFFF;
}

namespace {

const TsGeneralData* SectionOf(const IacElementOwner& owner) {
  const TacSkinData* data = owner.SkinData();
  const int i = owner.SkinIndex();
  return data && i >= 0 && i < static_cast<int>(data->gd.size()) ? &data->gd[i] : nullptr;
}

// The control's tone, hue and saturation over its finished picture; key pixels stay.
void FinishPicture(const IacElementOwner& owner, const TacSkinData& data, const PixelBuffer& area) {
  if (owner.ColorTone() != kColorUnset) {
    ApplyToPixels(area, TacPixelOp::Tone, static_cast<int32_t>(SkinColorToRGB(data, owner.ColorTone())), kKeyColor);
  }
  if (owner.HUEOffset() != 0) ApplyToPixels(area, TacPixelOp::Hue, owner.HUEOffset(), kKeyColor);
  if (owner.Saturation() != 0) ApplyToPixels(area, TacPixelOp::Saturation, owner.Saturation(), kKeyColor);
}

}  // namespace

void PaintElementBG(const IacElementOwner& owner, const TCacheInfo& cacheInfo, int state, const PixelBuffer& bmp,
                    TPoint offset, TRect r) {
  const TsGeneralData* section = SectionOf(owner);
  if (!section) return;
  const TacSkinData& data = *owner.SkinData();
  const uint32_t color = owner.CustomColor() ? SkinColorToRGB(data, owner.OwnerColor()) & 0xFFFFFF : kKeyColor;
  FillSectionBG(owner.SkinIndex(), cacheInfo, std::clamp(state, 0, section->States - 1), color, data, bmp, offset, r);
}

void PaintElement(const IacElementOwner& owner, const TCacheInfo& cacheInfo, int state, const PixelBuffer& bmp,
                  TPoint offset, TRect r, bool cornerFill) {
  const TsGeneralData* section = SectionOf(owner);
  if (!section || bmp.empty() || r.Intersect(BufferRect(bmp)).IsEmpty()) return;
  const TacSkinData& data = *owner.SkinData();
  state = std::clamp(state, 0, std::max(section->States - 1, 0));

  PaintElementBG(owner, cacheInfo, state, bmp, offset, r);

  // Corner images lie over the background just painted, which shows under their key pixels.
  const TCacheInfo self = MakeCacheInfo(bmp);
  auto corner = [&](int maskIndex, bool right, bool bottom) {
    const TacMaskImage m = MaskImageOf(data, maskIndex);
    if (!m.Valid()) return;
    DrawMaskImage(bmp, {right ? r.Right - m.Width : r.Left, bottom ? r.Bottom - m.Height : r.Top}, state, self, m);
  };
  corner(section->ImgTL, false, false);
  corner(section->ImgTR, true, false);
  corner(section->ImgBL, false, true);
  corner(section->ImgBR, true, true);

  const TacMaskImage border = MaskImageOf(data, section->BorderIndex);
  const bool borderDrawn = border.Valid() && !(state == 0 && (border.DrawMode & kBorderNotInState0));
  if (borderDrawn) PaintNineSlice(bmp, r, cacheInfo.Shifted(offset), border, state, cornerFill);
  if (!borderDrawn && section->Props[std::min(state, 2)].Transparency != 0) return;
  const TRect area = r.Intersect(BufferRect(bmp));
  FinishPicture(owner, data, bmp.sub(area.Left, area.Top, area.Width(), area.Height()));
}
