#pragma once
// When a form or dialog animates: the conditions the frame adapters check before a show,
// a hide and a dialog's hide preparation, as pure functions of the settings and of what
// the adapter knows about its window.
#include <cstdint>

#include "skin/data/acManagerOptions.h"

struct TacFormFacts {
  bool AllowAnimation = true;  // the provider's own switch
  bool HasParent = false;
  bool MdiChild = false;
  bool EditorWindow = false;   // the window registered with the external skin editor
  bool AlphaBlend = false;
  uint8_t AlphaBlendValue = 255;
};

// A form that is being shown animates (a Time below one frame shows it through the same
// path without frames).
bool FormShowAnimates(const TacFormFacts& form, bool effectsAllowAnimation, const TacAnimEffects& anim);
// The opacity a form ends at, and starts its hide from.
uint8_t FormBlendValue(const TacFormFacts& form);
// A form that is being hidden (not while minimizing) gets a hide animation.
bool FormHideAnimates(const TacFormFacts& form, bool effectsAllowAnimation, const TacAnimEffects& anim);

// A dialog closed with this command takes a fresh picture for its hide animation. Every
// closing button counts (OK, Cancel, Yes, No): a picture taken earlier may be stale.
bool DialogHideTakesPicture(int command, bool frameSkinned, bool effectsAllowAnimation, const TacAnimEffects& anim);
