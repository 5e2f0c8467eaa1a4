#include "skin/forms/logic/acMinTimer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "skin/forms/logic/acAnimPicture.h"

namespace {

// One restore step of an axis: the distance left is divided by the axis's divisor. An axis
// within a pixel of the form's place has arrived; a start distance of 1 would never shrink
// (its root is 1) and one of 0 would divide by zero.
double Approach(double place, double current, double divisor) {
  const double remaining = place - current;
  if (std::abs(remaining) <= 1 || divisor <= 1) return place;
  const double next = place - remaining / divisor;
  return std::abs(place - next) <= 1 ? place : next;
}

// Repeated subtraction of a third of a step lands a hair above 0, not on it.
constexpr double kNoOpacity = 1e-9;

}  // namespace

TacMinTimer::TacMinTimer(TacMinFlightSetup setup, IacMinFlightHost& host, TacTimerStarter timers)
    : setup_(setup), host_(host), timers_(std::move(timers)) {}

void TacMinTimer::SetEnabled(bool on) {
  if (on == Enabled()) return;
  ticking_.reset();
  if (on && timers_) ticking_ = timers_(kInterval, [this] { TimeHandler(); });
}

uint8_t TacMinTimer::StartAlpha() const {
  const uint8_t a = setup_.FormOpacity;
  if (!setup_.Composition) return a;
  // A minimize starts at a quarter of the form's opacity, halfway to the taskbar.
  if (setup_.Time > 12 && !Minimized) return static_cast<uint8_t>(a / 4);
  return a;
}

void TacMinTimer::StartMinimizeFlight(const TRect& from, const TRect& target) {
  if (MinimizeFlying()) return;
  PrepareMinimizing(from, target);
  TimeHandler();
  if (StepCount > 1 && !Minimized) SetEnabled(true);
}

void TacMinTimer::StartRestoreFlight() {
  PrepareRestoring();
  SetEnabled(true);
}

void TacMinTimer::PrepareMinimizing(const TRect& from, const TRect& target) {
  StepCount = std::max(1, setup_.Time / kInterval);
  AlphaOrigin = StartAlpha();
  CurrentAlpha = AlphaOrigin;
  if (CurrentAlpha > 0 || !Minimized) {
    RectFrom = from;
    RectTo = target;
    CalcTargets();
    CurLeft = XFrom, CurTop = YFrom;
    CurRight = XFrom + RectTo.Width(), CurBottom = YFrom + RectTo.Height();
  } else {
    CurLeft = RectTo.Left, CurTop = RectTo.Top, CurRight = RectTo.Right, CurBottom = RectTo.Bottom;
  }
  BlendStep = static_cast<double>(StartAlpha() - AlphaTo) / std::max(1, StepCount - 1);
  alphaBmp_.resize(RectFrom.Width(), RectFrom.Height());
}

void TacMinTimer::CalcTargets() {
  XTo = RectTo.Left, YTo = RectTo.Top;
  XFrom = (RectTo.Left + RectFrom.Left) / 2;
  YFrom = (RectTo.Top + RectFrom.Top) / 2;
  DeltaX = static_cast<double>(XTo - XFrom) / StepCount;
  DeltaY = static_cast<double>(YTo - YFrom) / StepCount;
  DeltaW = static_cast<double>(RectFrom.Width() - RectTo.Width()) / (2.0 * StepCount);
  DeltaH = static_cast<double>(RectFrom.Height() - RectTo.Height()) / (2.0 * StepCount);
  AlphaTo = 0;
}

void TacMinTimer::PrepareRestoring() {
  // A quarter of the way to the taskbar across, and at least 80 pixels below the form.
  CurLeft = RectFrom.Left + (RectTo.Left - RectFrom.Left) / 4;
  CurTop = RectFrom.Top + std::max((RectTo.Top - RectFrom.Top) / 4, 80);
  CurRight = CurLeft + RectFrom.Width();
  CurBottom = CurTop + RectFrom.Height();
  const double n = RestoreSteps();
  CurrentAlpha = 1;
  // After n steps the distances are down to a pixel and the transparency to 1.
  DelPosX = std::pow(std::abs(CurLeft - RectFrom.Left), 1 / n);
  DelPosY = std::pow(std::abs(CurTop - RectFrom.Top), 1 / n);
  BlendDel = std::pow(255.0, 1 / n);
  alphaBmp_ = savedImage_;
  RestoreTicks = 0;
}

void TacMinTimer::TimeHandler() {
  if (inTick_) return;  // a tick that comes while the last one still runs
  inTick_ = true;
  if (Minimized && host_.MinimizeRunning()) Minimized = false;
  else if (!Minimized && host_.RestoreRunning()) Minimized = true;
  if (!window_) {
    SetEnabled(false);
  } else if (Minimized) {
    if (!host_.RestoreCommandInProgress()) RestoreTick();
  } else {
    MinimizeTick();
  }
  inTick_ = false;
}

void TacMinTimer::RestoreTick() {
  ++RestoreTicks;
  CurLeft = Approach(RectFrom.Left, CurLeft, DelPosX);
  CurTop = Approach(RectFrom.Top, CurTop, DelPosY);
  CurrentAlpha = 255 - (255 - CurrentAlpha) / BlendDel;
  const bool arrived = CurLeft == RectFrom.Left && CurTop == RectFrom.Top;
  // However the numbers fall, the form is back after n + 1 steps.
  if ((CurrentAlpha >= StartAlpha() - 5 && arrived) || RestoreTicks > RestoreSteps()) {
    CurLeft = RectFrom.Left, CurTop = RectFrom.Top;
    FinishRestore();
  } else {
    CurRight = CurLeft + RectFrom.Width();
    CurBottom = CurTop + RectFrom.Height();
    Draw();
  }
}

void TacMinTimer::MinimizeTick() {
  alphaBmp_.view().fill(0);
  CurLeft += DeltaX + DeltaW;
  CurRight += DeltaX - DeltaW;
  CurTop += DeltaY + DeltaH;
  CurBottom += DeltaY - DeltaH;
  CurrentAlpha = CurrentAlpha - BlendStep;
  if (CurrentAlpha < kNoOpacity) {
    CurrentAlpha = 0;
    return FinishMinimize();
  }
  StretchNearest(alphaBmp_.view(),
                 TRect::FromSize(0, 0, RoundHalfEven(std::max(0.0, CurRight - CurLeft)),
                                 RoundHalfEven(std::max(0.0, CurBottom - CurTop))),
                 savedImage_.view());
  Draw();
}

void TacMinTimer::Draw() {
  window_->Put(alphaBmp_.view(), RoundOpacity(CurrentAlpha), TPoint{RoundHalfEven(CurLeft), RoundHalfEven(CurTop)});
}

void TacMinTimer::FinishMinimize() {
  SetEnabled(false);
  window_->Put(alphaBmp_.view(), RoundOpacity(CurrentAlpha));
  Minimized = true;
  host_.MinimizeFinished();
}

void TacMinTimer::FinishRestore() {
  SetEnabled(false);
  window_->Put(savedImage_.view(), StartAlpha(), TPoint{RoundHalfEven(CurLeft), RoundHalfEven(CurTop)});
  Minimized = false;
  host_.RestoreFinished();
}
