#include "skin/forms/logic/acButtonFade.h"

#include <algorithm>

bool TacButtonFade::Start(int state, bool allowAnimation) {
  if (state == state_ && up_) return false;
  state_ = state;
  up_ = true;
  maxIterations_ = state == 1 ? std::max(1, 10 * (allowAnimation ? 1 : 0)) : 1;
  level_ = std::min(level_, maxIterations_);
  return true;
}

void TacButtonFade::Leave() {
  up_ = false;
  state_ = 0;
}

bool TacButtonFade::Step() {
  if (up_) {
    if (level_ < maxIterations_) ++level_;
    return level_ < maxIterations_;
  }
  if (level_ > 0) --level_;
  return level_ > 0;
}

int TacButtonFade::Opacity() const {
  // The last step reaches full opacity; 10 × (255 div 10) would leave the hot glyph
  // see-through.
  if (level_ >= maxIterations_) return 255;
  return std::min(255, level_ * (255 / maxIterations_));
}
