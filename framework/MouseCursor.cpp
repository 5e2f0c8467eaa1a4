#include "framework/MouseCursor.h"

namespace marv {

HCURSOR SystemCursor(MouseCursor cursor) {
  switch (cursor) {
    case MouseCursor::Arrow: return LoadCursorW(nullptr, IDC_ARROW);
    case MouseCursor::HourGlass: return LoadCursorW(nullptr, IDC_WAIT);
    case MouseCursor::HandPoint: return LoadCursorW(nullptr, IDC_HAND);
    case MouseCursor::Default: break;
  }
  return nullptr;
}

}  // namespace marv
