#pragma once
// A window-less line of text on its parent's background.
#include "framework/GraphicControl.h"

namespace marv {

class Label : public GraphicControl {
 public:
  using GraphicControl::GraphicControl;

  // On: the label takes the size of its caption in its font whenever either changes, so
  // a caption filled in at run time is never cut off.
  void SetAutoSize(bool autoSize);

 protected:
  void Paint(HDC dc) override;
  void WndProc(Message& m) override;

 private:
  void AdjustSize();

  bool autoSize_ = false;
};

}  // namespace marv
