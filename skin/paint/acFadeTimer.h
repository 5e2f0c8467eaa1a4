#pragma once
// State fades: when a skinned button changes its look (mouse in or out, pressed or
// released) the old and new pictures are cross-faded in a few 12 ms steps. The timer
// ticks through the owner's timer source, so tests tick it by hand.
#include <cstdint>
#include <functional>
#include <memory>

#include "pixels/PixelBuffer.h"
#include "skin/data/acManagerHost.h"

class TsCommonData;
class IacSkinManagerView;

// Animation events and the control property that lists them.
enum TacAnimEvent : uint8_t { aeMouseEnter = 0, aeMouseLeave = 1, aeMouseDown = 2, aeMouseUp = 3, aeGlobalDef = 4 };
using TacAnimEvents = uint8_t;  // bit per TacAnimEvent
constexpr TacAnimEvents AnimEventBit(TacAnimEvent e) { return static_cast<TacAnimEvents>(1u << e); }
inline constexpr TacAnimEvents kDefaultAnimEvents = AnimEventBit(aeGlobalDef);

// One step of a fade: shows the timer's BmpOut; answers false to end the fade.
using TacFadeStep = bool (*)(TsCommonData& data, int iteration);

inline constexpr int kFadeInterval = 12;
inline constexpr int kFadeIterations = 6;

class TacThreadedTimer {
 public:
  explicit TacThreadedTimer(TsCommonData& data);
  ~TacThreadedTimer();
  TacThreadedTimer(const TacThreadedTimer&) = delete;
  TacThreadedTimer& operator=(const TacThreadedTimer&) = delete;

  void InitData(int iteration, TacFadeStep step, int state, bool fast);
  // A tick: the next step, or the end of the fade.
  void TimeHandler();
  // The first step, run at once when a fade starts.
  void FirstStep();
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  // Pictures are dropped and the fade forgotten.
  void Stop();

  // Blends BmpFrom towards BmpTo for the next step into BmpOut; answers v (0..255).
  int BlendStep();

  double Glow = 0, GlowStep = 0;
  double Value = 0, ValueStep = 0;
  int State = -1;
  int OldState = -1;
  int Iteration = 0;
  int Iterations = kFadeIterations;
  int ExtraSteps = 0;  // steps run after the last one to bring a fade to 0 down
  PixelImage BmpFrom, BmpTo, BmpOut;
  TsCommonData& AnimData;
  TacFadeStep AnimProc = nullptr;
  bool Destroyed = false;

 private:
  void Restart();

  bool enabled_ = false;
  int interval_ = 1000;
  bool executing_ = false;
  std::unique_ptr<TacHeldResource> ticking_;
};

bool AnimAllowed(TacAnimEvent event, TacAnimEvents animatEvents, IacSkinManagerView* manager);

// Called by controls after their state flags changed.
void ChangeStateAnimated(TsCommonData& data, int newState, TacFadeStep step, bool showGlow, bool quick,
                         bool allowed);
void StartFade(TsCommonData& data, int newState, TacFadeStep step, bool quick);

// The steps: a window-less control repaints itself from BmpOut; a windowed one gets
// BmpOut (with its children painted in) put straight on its window.
bool GraphicFadeStep(TsCommonData& data, int iteration);
bool WindowedFadeStep(TsCommonData& data, int iteration);
