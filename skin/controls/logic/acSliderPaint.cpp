#include "skin/controls/logic/acSliderPaint.h"

#include "skin/data/acSkinData.h"
#include "skin/paint/acNineSlice.h"
#include "skin/paint/sGraphUtils.h"

int SliderTrackSkinIndex(const TacSectionTable& sections, bool sliderOn) {
  const int index = sections[sliderOn ? ssSlider_On : ssSlider_Off];
  return index >= 0 ? index : sections[ssPanelLow];
}

std::string SliderThumbSection(bool imageThumb, std::string_view chosen, bool sliderOn, bool skinHasStateThumb) {
  if (imageThumb) return "CHECKBOX";
  if (!chosen.empty()) return std::string(chosen);
  return skinHasStateThumb ? std::string(StateThumbSection(sliderOn)) : "PANEL";
}

void PaintSliderTrack(const TacSkinData& data, int skinIndex, const TCacheInfo& parentBg, const PixelBuffer& cache,
                      TPoint offset) {
  if (cache.empty() || skinIndex < 0 || skinIndex >= static_cast<int>(data.gd.size())) return;
  const TsGeneralData& section = data.gd[skinIndex];
  const TRect r = BufferRect(cache);
  FillSectionBG(skinIndex, parentBg, 0, kKeyColor, data, cache, offset, r);

  // Corner images lie over the background just painted, which shows under their key pixels.
  const TCacheInfo self = MakeCacheInfo(cache);
  auto corner = [&](int maskIndex, bool right, bool bottom) {
    const TacMaskImage m = MaskImageOf(data, maskIndex);
    if (m.Valid()) DrawMaskImage(cache, {right ? r.Right - m.Width : 0, bottom ? r.Bottom - m.Height : 0}, 0, self, m);
  };
  corner(section.ImgTL, false, false);
  corner(section.ImgTR, true, false);
  corner(section.ImgBL, false, true);
  corner(section.ImgBR, true, true);

  const TacMaskImage border = MaskImageOf(data, section.BorderIndex);
  if (border.Valid() && !(border.DrawMode & kBorderNotInState0))
    PaintNineSlice(cache, r, parentBg.Shifted(offset), border, 0, true);
}

void PaintSliderThumb(const IacElementOwner& thumb, const TCacheInfo& trackBg, const PixelBuffer& cache,
                      TPoint thumbPos) {
  if (cache.empty()) return;
  for (int y = 0; y < cache.height; ++y) {
    uint32_t* row = cache.row(y);
    for (int x = 0; x < cache.width; ++x) row[x] &= 0x00FFFFFF;
  }
  PaintElement(thumb, trackBg, 0, cache, thumbPos, BufferRect(cache), true);
}
