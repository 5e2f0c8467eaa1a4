#include "skin/paint/acDisabledLook.h"

#include "skin/paint/acBlend.h"
#include "skin/base/acColorOps.h"
#include "skin/base/acPixelOps.h"

void ApplyDisabledLook(const PixelBuffer& bmp, unsigned kind, uint32_t parentColor, TPoint offset,
                       const TCacheInfo& cacheInfo, int grayLevel) {
  if (bmp.empty()) return;
  if (kind & dkGrayed) {
    if (grayLevel == -100) {
      ApplyToPixels(bmp, TacPixelOp::Gray, 0, kKeyColor);
    } else {
      ApplyToPixels(bmp, TacPixelOp::Saturation, grayLevel * 255 / 100, kKeyColor);
    }
  }
  if (kind & dkBlended) {
    const TRect all = BufferRect(bmp);
    if (cacheInfo.Ready && !cacheInfo.Bmp.empty()) {
      BlendBitmaps(bmp, cacheInfo.Bmp, kDisabledBlendValue, {cacheInfo.X + offset.X, cacheInfo.Y + offset.Y}, all);
    } else {
      BlendColorOver(bmp, all, kDisabledBlendValue, IsKeyColor(cacheInfo.FillColor) ? parentColor : cacheInfo.FillColor);
    }
  }
}
