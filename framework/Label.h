#pragma once
// A window-less line of text on its parent's background.
#include "framework/GraphicControl.h"

namespace marv {

class Label : public GraphicControl {
 public:
  using GraphicControl::GraphicControl;

 protected:
  void Paint(HDC dc) override;
};

}  // namespace marv
