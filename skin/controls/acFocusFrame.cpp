#include "skin/controls/acFocusFrame.h"

#include "skin/controls/logic/acButtonLogic.h"
#include "skin/data/sMaskData.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sGraphUtils.h"

void PaintSkinFocusFrame(TsCommonData& data, const TRect& text, int focusMargin, int height) {
  const TsGeneralData* s = data.Section();
  if (!s) return;
  const TacSkinData* skin = data.CommonSkinData();
  const uint32_t color = skin ? SkinColorToRGB(*skin, s->Props[FocusFrameColorState(s->States)].FontColor.Color) : 0;
  const PixelBuffer cache = data.CacheBmp().view();
  for (TPoint p : FocusFrameDots(FocusFrameRect(text, focusMargin, height)))
    if (cache.contains(p.X, p.Y)) cache.at(p.X, p.Y) = ColorToPixel(color);
}
