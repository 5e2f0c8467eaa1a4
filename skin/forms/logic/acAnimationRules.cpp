#include "skin/forms/logic/acAnimationRules.h"

namespace {

constexpr int kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7;

}  // namespace

bool FormShowAnimates(const TacFormFacts& form, bool effectsAllowAnimation, const TacAnimEffects& anim) {
  return form.AllowAnimation && !form.HasParent && effectsAllowAnimation && anim.FormShow.Active && !form.EditorWindow;
}

uint8_t FormBlendValue(const TacFormFacts& form) { return form.AlphaBlend ? form.AlphaBlendValue : 255; }

bool FormHideAnimates(const TacFormFacts& form, bool effectsAllowAnimation, const TacAnimEffects& anim) {
  return form.AllowAnimation && anim.FormHide.Active && effectsAllowAnimation && !form.HasParent && !form.MdiChild;
}

bool DialogHideTakesPicture(int command, bool frameSkinned, bool effectsAllowAnimation, const TacAnimEffects& anim) {
  const bool closing = command == kIdOk || command == kIdCancel || command == kIdYes || command == kIdNo;
  return closing && frameSkinned && anim.DialogHide.Active && effectsAllowAnimation && anim.DialogHide.Time > 0;
}
