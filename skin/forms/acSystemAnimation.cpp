#include "skin/forms/acSystemAnimation.h"

#include <windows.h>

namespace {

std::optional<int> ReadMinAnimate() {
  ANIMATIONINFO info{sizeof(ANIMATIONINFO), 0};
  if (!SystemParametersInfoW(SPI_GETANIMATION, sizeof info, &info, 0)) return std::nullopt;
  return info.iMinAnimate;
}

// Not written to the user's profile: the change lasts only for this session.
void WriteMinAnimate(int on) {
  ANIMATIONINFO info{sizeof(ANIMATIONINFO), on};
  SystemParametersInfoW(SPI_SETANIMATION, sizeof info, &info, 0);
}

}  // namespace

TacSystemMinimizeAnimationOff::TacSystemMinimizeAnimationOff() : scope_(ReadMinAnimate, WriteMinAnimate, 0) {}

bool SystemMinimizeAnimation() { return ReadMinAnimate().value_or(0) != 0; }
