#pragma once
// A two-state switch with a window of its own; a click flips it. Its state may be read
// from any thread.
#include <atomic>

#include "framework/WinControl.h"

namespace marv {

class Switch : public WinControl {
 public:
  using WinControl::WinControl;

  bool SliderOn() const { return on_.load(); }
  void SetSliderOn(bool on);
  // Runs after the state changed.
  NotifyEvent OnChange;

  void Click() override;

 protected:
  void FillCreateParams(CreateParams& params) override;
  void Paint(HDC dc) override;
  void MouseDown(POINT) override { Invalidate(); }

 private:
  std::atomic<bool> on_{true};
};

}  // namespace marv
