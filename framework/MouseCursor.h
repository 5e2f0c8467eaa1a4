#pragma once
// The mouse cursors a control can ask for; Default leaves the choice to the parent.
#include <windows.h>

namespace marv {

enum class MouseCursor : int {
  Default = 0,
  Arrow = -2,
  HourGlass = -11,
  HandPoint = -21,
};

// The shared system cursor for a shape; null for Default.
HCURSOR SystemCursor(MouseCursor cursor);

}  // namespace marv
