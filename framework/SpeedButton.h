#pragma once
// A window-less button with a centred caption: hot under the mouse, pressed while held,
// clicked when released over it.
#include "framework/GraphicControl.h"

namespace marv {

class SpeedButton : public GraphicControl {
 public:
  using GraphicControl::GraphicControl;

  // Drawn pressed: held down with the mouse over it.
  bool LooksPressed() const { return MousePressed() && MouseInside(); }

 protected:
  void Paint(HDC dc) override;
  void MouseEnter() override { Invalidate(); }
  void MouseLeave() override { Invalidate(); }
  void MouseDown(POINT) override { Invalidate(); }
  void MouseUp(POINT) override { Invalidate(); }
};

}  // namespace marv
