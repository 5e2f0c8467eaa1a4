#pragma once
// What the window animations drive, kept apart from the system: a per-pixel-alpha layered
// window that is handed a whole picture at a constant opacity (and, for flights, a new
// top-left), timers that tick the animations, and the clock that paces an animation that
// runs in one go. The Windows side answers with real windows; tests record every update
// and tick by hand.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/data/acManagerHost.h"  // TacHeldResource

class IacLayeredTarget {
 public:
  virtual ~IacLayeredTarget() = default;
  // The picture (straight alpha) becomes the window's whole look at `opacity`; the window
  // moves to topLeft when one is given and keeps its place otherwise.
  virtual void Put(const PixelBuffer& picture, uint8_t opacity, std::optional<TPoint> topLeft = std::nullopt) = 0;
  // The window appears without taking the focus (once, before the first frame).
  virtual void ShowNoActivate() {}
};

// Starts a timer that calls tick every `milliseconds` until the returned handle goes.
using TacTimerStarter =
    std::function<std::unique_ptr<TacHeldResource>(int milliseconds, std::function<void()> tick)>;

// The tick count and a way to let the processor go, for frames that wait on the spot.
class IacAnimClock {
 public:
  virtual ~IacAnimClock() = default;
  virtual uint64_t Milliseconds() = 0;
  virtual void LetOthersRun() = 0;
};

// Every window animation frame lasts this long; Time div it is the step count.
inline constexpr int kAnimFrameMs = 12;

// Waits until a frame that began at frameStart has lasted kAnimFrameMs.
inline void WaitForFrameEnd(IacAnimClock& clock, uint64_t frameStart) {
  while (clock.Milliseconds() - frameStart < static_cast<uint64_t>(kAnimFrameMs)) clock.LetOthersRun();
}

// Doubles become whole pixels and opacities by rounding half to even.
int RoundHalfEven(double v);
uint8_t RoundOpacity(double v);  // kept within 0..255
