#include "skin/paint/acFadeTimer.h"

#include <algorithm>
#include <cmath>

#include "skin/data/acSkinManagerView.h"
#include "skin/paint/acBlend.h"
#include "skin/base/acSkinCommands.h"
#include "skin/paint/sCommonData.h"

namespace {

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

void CopyPicture(PixelImage& to, const PixelImage& from) { to = from; }

}  // namespace

TacThreadedTimer::TacThreadedTimer(TsCommonData& data) : AnimData(data) {}

TacThreadedTimer::~TacThreadedTimer() { Destroyed = true; }

void TacThreadedTimer::Restart() {
  ticking_.reset();
  if (enabled_ && !Destroyed) ticking_ = AnimData.Owner().StartTimer(interval_, [this] { TimeHandler(); });
}

void TacThreadedTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TacThreadedTimer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (enabled_) Restart();
}

void TacThreadedTimer::Stop() {
  SetEnabled(false);
  State = -1;
  ExtraSteps = 0;
  BmpFrom = PixelImage();
  BmpTo = PixelImage();
  BmpOut = PixelImage();
}

void TacThreadedTimer::InitData(int iteration, TacFadeStep step, int state, bool fast) {
  SetEnabled(false);
  Value = 0;
  Glow = std::clamp(Glow, 0.0, 255.0);
  Iterations = fast ? kFadeIterations / 2 : kFadeIterations;
  switch (state) {
    case 0:
      Iterations *= 3;
      GlowStep = Glow / Iterations;
      break;
    case 2:
      GlowStep = Glow / Iterations;
      break;
    case 1:
      Iterations = State > 0 ? kFadeIterations : RoundEven((255 - Glow) * kFadeIterations / 255);
      Iterations = std::max(1, Iterations);
      GlowStep = (255 - Glow) / Iterations;
      break;
    default:
      break;
  }
  ValueStep = (255 - Value) / Iterations;
  // A press, or a release after one, goes on from what is on the screen.
  if ((state == 2 || (state == 1 && State == 2)) && !BmpOut.empty()) BmpFrom = BmpOut;
  // Towards hot from a partial glow, Iterations already counts only the way still to go:
  // every one of them runs, so the glow arrives at 255.
  if (state == 1 && State <= 0) Iteration = 0;
  else if (state == 0 && State == 1) Iteration = Glow == 0 ? 0 : RoundEven((255 - Glow) * Iterations / 255);
  else Iteration = BmpOut.empty() ? iteration : 0;
  // At least one step runs: a fade always ends on its target's picture.
  Iteration = std::min(Iteration, Iterations - 1);
  ExtraSteps = 0;
  interval_ = kFadeInterval;
  AnimProc = step;
  OldState = State;
  State = state;
  SetEnabled(true);
}

void TacThreadedTimer::TimeHandler() {
  if (executing_ || Destroyed || !enabled_) return;
  executing_ = true;
  ++Iteration;
  if (Iteration > Iterations) SetEnabled(false);
  else if (AnimProc) AnimProc(AnimData, Iteration);
  executing_ = false;
}

void TacThreadedTimer::FirstStep() {
  if (executing_ || Destroyed) return;
  executing_ = true;
  ++Iteration;
  const bool more = Iteration <= Iterations && AnimProc && AnimProc(AnimData, Iteration);
  if (!more && !Destroyed) {
    SetEnabled(false);
    State = -1;
  }
  executing_ = false;
}

int TacThreadedTimer::BlendStep() {
  if (BmpFrom.empty() || BmpTo.empty()) return 0;
  CopyPicture(BmpOut, BmpFrom);
  if (State == 0 || State == 2) Glow -= GlowStep;
  else if (State == 1) Glow += GlowStep;
  else Glow = 255 - static_cast<double>(Iteration) / Iterations * 255;
  // The last step shows the target whole, however far the fade it took over had come.
  if (Iteration >= Iterations && (State == 1 || State == 2)) Glow = State == 1 ? 255 : 0;
  const int v = std::clamp(RoundEven(Glow), 0, 255);
  Value = std::min(255.0, Value + ValueStep);
  const int keep = State == 1 ? 255 - v : v;
  const TRect all{0, 0, std::min(BmpOut.width(), BmpTo.width()), std::min(BmpOut.height(), BmpTo.height())};
  BlendBitmaps(BmpOut.view(), BmpTo.view(), keep, {0, 0}, all);
  return v;
}

bool AnimAllowed(TacAnimEvent event, TacAnimEvents animatEvents, IacSkinManagerView* manager) {
  if (!manager) return true;
  if (animatEvents & AnimEventBit(event)) return true;
  if (!(animatEvents & AnimEventBit(aeGlobalDef))) return false;
  const TacBtnEvent mapped = event == aeGlobalDef ? beMouseUp : static_cast<TacBtnEvent>(event);
  return manager->AnimEffects().Buttons.Events.Has(mapped);
}

namespace {

bool FadesPossible(TsCommonData& data) {
  IacSkinManagerView* m = data.SkinManager();
  if (!m || !m->Effects().AllowAnimation) return false;
  if (m->SkinChanging() || m->SkinApplying()) return false;
  return data.CacheCurrent();
}

// What both steps do after the picture was shown: answer whether more steps follow, and
// end a fade to state 0 only once it has really reached 0.
bool FinishStep(TsCommonData& data, TacThreadedTimer& timer, int v, TacFadeStep self) {
  if (timer.Iteration < timer.Iterations) return true;
  if (timer.State == 0 && v > 0 && timer.ExtraSteps < timer.Iterations + 1) {
    // Started part-way: keep stepping the same control until the picture arrives.
    ++timer.ExtraSteps;
    --timer.Iteration;
    return self(data, timer.Iteration);
  }
  if (timer.State == 0) data.StopFade();
  return false;
}

}  // namespace

void StartFade(TsCommonData& data, int newState, TacFadeStep step, bool quick) {
  const bool fresh = data.AnimTimer() == nullptr;
  TacThreadedTimer& timer = data.EnsureAnimTimer(newState);
  const int start = fresh ? 0 : std::max(0, (timer.State == 0 ? 12 : 0) - timer.Iteration + 6);
  if (timer.State != -1 && timer.State == newState) return;
  const PixelImage& cache = data.CacheBmp();
  if (!timer.BmpOut.empty() && (timer.BmpOut.width() != cache.width() || timer.BmpOut.height() != cache.height()))
    timer.BmpOut = PixelImage();
  timer.BmpFrom = cache;
  for (int tries = 0; data.BGChanged && tries < 2; ++tries) {
    if (data.Owner().SendToSelf(SC_PREPARECACHE, 0, 0) != 0) timer.SetEnabled(false);
  }
  timer.BmpTo = data.CacheBmp();
  timer.InitData(start, step, newState, quick);
  timer.FirstStep();
}

void ChangeStateAnimated(TsCommonData& data, int newState, TacFadeStep step, bool /*showGlow*/, bool quick,
                         bool allowed) {
  if (!data.Skinned()) {
    data.Invalidate(false);
    return;
  }
  if (allowed && FadesPossible(data)) {
    data.BGChanged = true;
    StartFade(data, newState, step, quick);
    return;
  }
  data.StopFade();
  data.BGChanged = true;
  data.Invalidate(false);
}

bool GraphicFadeStep(TsCommonData& data, int iteration) {
  TacThreadedTimer* timer = data.AnimTimer();
  IacSkinOwner& owner = data.Owner();
  if (!timer || owner.Windowed() || owner.Destroying() || timer->Iterations <= 0) return false;
  timer->Iteration = iteration;
  const int v = timer->BlendStep();
  owner.SendToSelf(SC_SETUPDATING, 0, 0);
  owner.SendToSelf(SC_REPAINT, 0, 0);
  return FinishStep(data, *timer, v, &GraphicFadeStep);
}

bool WindowedFadeStep(TsCommonData& data, int iteration) {
  TacThreadedTimer* timer = data.AnimTimer();
  IacSkinOwner& owner = data.Owner();
  if (!timer || owner.Destroying() || timer->Iterations <= 0) return false;
  timer->Iteration = iteration;
  const int v = timer->BlendStep();
  if (owner.HasChildren() && !timer->BmpOut.empty()) {
    PixelImage withChildren = timer->BmpOut;
    owner.PaintChildrenInto(withChildren.view());
    owner.ShowPicture(withChildren.view());
  } else if (!timer->BmpOut.empty()) {
    owner.ShowPicture(timer->BmpOut.view());
  }
  return FinishStep(data, *timer, v, &WindowedFadeStep);
}
