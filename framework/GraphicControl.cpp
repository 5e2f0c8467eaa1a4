#include "framework/GraphicControl.h"

#include "framework/WinControl.h"

namespace marv {

void GraphicControl::Invalidate() {
  WinControl* parent = Parent();
  if (!parent || !parent->Handle()) return;
  const RECT r = BoundsRect();
  InvalidateRect(parent->Handle(), &r, FALSE);
}

void GraphicControl::WndProc(Message& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    Paint(reinterpret_cast<HDC>(m.WParam));
    return;
  }
  Control::WndProc(m);
}

}  // namespace marv
