#pragma once
// A control without a window of its own: its parent paints it (WM_PAINT through Perform,
// WParam = a DC whose origin is the control's top-left corner, clipped to it) and hands
// it the mouse messages over its area in its own coordinates.
#include "framework/Control.h"

namespace marv {

class GraphicControl : public Control {
 public:
  using Control::Control;

  void Invalidate() override;

 protected:
  void WndProc(Message& m) override;
  // Draws the control at (0, 0) - (Width(), Height()) of dc.
  virtual void Paint(HDC dc) = 0;
};

}  // namespace marv
