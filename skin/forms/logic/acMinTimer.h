#pragma once
// The minimize and restore flights of a form: minimizing flies the form's picture from
// halfway towards its taskbar target, shrinking and fading, every 6 ms; restoring slides
// the full picture from below back to the form's place and fades it in, and then the
// real form takes over. The timer stays with the form while it is minimized, so the next
// restore knows where the form was.
#include <cstdint>
#include <memory>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/forms/logic/acLayeredTarget.h"

// What the flight asks of the form and the window around it.
class IacMinFlightHost {
 public:
  virtual ~IacMinFlightHost() = default;
  // The form's flags: a minimize or restore was asked for, the restore command is still
  // being handled by the system.
  virtual bool MinimizeRunning() const = 0;
  virtual bool RestoreRunning() const = 0;
  virtual bool RestoreCommandInProgress() const = 0;
  // The flight is over: the form is minimized now, or must come back in its place.
  virtual void MinimizeFinished() = 0;
  virtual void RestoreFinished() = 0;
};

struct TacMinFlightSetup {
  int Time = 80;              // Minimizing.Time
  uint8_t FormOpacity = 255;  // AlphaBlendValue with AlphaBlend, else 255
  // Without desktop composition a flight starts at the form's own opacity.
  bool Composition = true;
};

class TacMinTimer {
 public:
  static constexpr int kInterval = 6;

  TacMinTimer(TacMinFlightSetup setup, IacMinFlightHost& host, TacTimerStarter timers);
  TacMinTimer(const TacMinTimer&) = delete;
  TacMinTimer& operator=(const TacMinTimer&) = delete;

  // The window the picture flies in (the border window, or a cover made for the flight).
  void SetAnimationWindow(IacLayeredTarget* window) { window_ = window; }
  // The picture of the whole form, taken once per minimize.
  PixelImage& SavedImage() { return savedImage_; }

  // A minimize: the first frame at once, the rest on the timer. A minimize that is
  // already flying goes on as it is (a second SC_MINIMIZE does not restart it).
  void StartMinimizeFlight(const TRect& from, const TRect& target);
  // A restore: the timer waits while the system still handles the command, then flies.
  void StartRestoreFlight();
  bool MinimizeFlying() const { return Enabled() && !Minimized; }

  // from: the form's (or border window's) rectangle; target: TaskbarTargetRect of it.
  void PrepareMinimizing(const TRect& from, const TRect& target);
  void PrepareRestoring();
  // One frame; the form's flags decide which way the flight goes.
  void TimeHandler();
  void SetEnabled(bool on);
  bool Enabled() const { return ticking_ != nullptr; }

  uint8_t StartAlpha() const;

  bool Minimized = false;
  int StepCount = 0;
  uint8_t AlphaOrigin = 0;
  uint8_t AlphaTo = 0;
  double CurrentAlpha = 0;
  double BlendStep = 0;
  double BlendDel = 1;
  double DelPosX = 1, DelPosY = 1;
  double DeltaX = 0, DeltaY = 0, DeltaW = 0, DeltaH = 0;
  double CurLeft = 0, CurTop = 0, CurRight = 0, CurBottom = 0;
  int XFrom = 0, YFrom = 0, XTo = 0, YTo = 0;
  TRect RectFrom, RectTo;
  // Restore ticks taken since PrepareRestoring; a restore ends within RestoreSteps() + 1.
  int RestoreTicks = 0;
  int RestoreSteps() const { return setup_.Time / kInterval + 1; }

 private:
  void CalcTargets();
  void MinimizeTick();
  void RestoreTick();
  void FinishMinimize();
  void FinishRestore();
  void Draw();

  TacMinFlightSetup setup_;
  IacMinFlightHost& host_;
  TacTimerStarter timers_;
  std::unique_ptr<TacHeldResource> ticking_;
  IacLayeredTarget* window_ = nullptr;
  PixelImage savedImage_, alphaBmp_;
  bool inTick_ = false;
};
