#pragma once
// Layered windows for the window animations: a window made (nearly) invisible through
// its constant opacity, a whole picture put into a per-pixel-alpha window, and the
// animation window as the schedules in logic/ drive it.
#include <windows.h>

#include <optional>

#include "pixels/PixelBuffer.h"
#include "skin/forms/logic/acLayeredTarget.h"

// layered: gives the window WS_EX_LAYERED (true when this call added it) and the constant
// opacity alpha (1 is practically invisible but still there, 0 invisible). Otherwise
// takes WS_EX_LAYERED and the WS_VISIBLE style bit away without hiding the window through
// the system; false.
bool SetLayeredAlpha(HWND window, bool layered, uint8_t alpha);

// Puts picture (straight alpha; none: fully transparent at the window's size) into the
// window, premultiplied, at the constant opacity alpha, moved to topLeft when given.
// A window that had a constant opacity set is made layered afresh first: the system does
// not take per-pixel pictures from it otherwise. False when the system refused.
bool UpdateLayeredPicture(HWND window, const PixelBuffer* picture, uint8_t alpha,
                          std::optional<POINT> topLeft = std::nullopt);

bool CompositionEnabled();

// After a show animation the form gets its own opacity back: a translucent form stays
// layered at alphaBlendValue, an opaque one loses its layering (at 255 first under
// composition, so it never flashes). After a hide the same leaves an opaque form
// unlayered and without its WS_VISIBLE bit.
void GiveFormItsOpacity(HWND form, bool alphaBlend, uint8_t alphaBlendValue);
void LeaveFormAfterHide(HWND form, uint8_t blendValue);

// A real window as an animation window. Owned: destroyed with this object.
class TacLayeredWindow final : public IacLayeredTarget {
 public:
  enum class Ownership { Borrowed, Owned };
  TacLayeredWindow(HWND window, Ownership ownership) : window_(window), owned_(ownership == Ownership::Owned) {}
  ~TacLayeredWindow() override;
  TacLayeredWindow(const TacLayeredWindow&) = delete;
  TacLayeredWindow& operator=(const TacLayeredWindow&) = delete;

  void Put(const PixelBuffer& picture, uint8_t opacity, std::optional<TPoint> topLeft) override;
  void ShowNoActivate() override;
  HWND Handle() const { return window_; }
  // After every picture the window goes directly behind this one in z-order (a minimize
  // flight stays behind the taskbar); null leaves the z-order alone.
  void KeepBehind(HWND window) { behind_ = window; }

 private:
  HWND window_;
  bool owned_;
  HWND behind_ = nullptr;
};

// The UI thread's clock for animations that run in one go (tick count, Sleep(0)).
class TacTickClock final : public IacAnimClock {
 public:
  uint64_t Milliseconds() override { return GetTickCount64(); }
  void LetOthersRun() override { Sleep(0); }
};

// Timers of the UI thread for the animation timers.
TacTimerStarter UiThreadTimers();
