#include "skin/controls/logic/acLabelColor.h"

#include "skin/base/acColorMix.h"

namespace {
constexpr int kDisabledTextWeight = 100;
}

uint32_t LabelTextColor(const TacLabelColorInput& in) {
  uint32_t color = in.ownFontColor;
  if (in.skinned) {
    if (!in.answered) color = in.parentFontColor;
    else color = in.validSection ? in.sectionFontColor : in.globalFontColor;
  }
  color &= 0xFFFFFF;
  return in.enabled ? color : MixColor(color, in.parentColor & 0xFFFFFF, kDisabledTextWeight) & 0xFFFFFF;
}
